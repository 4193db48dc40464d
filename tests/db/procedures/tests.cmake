# The stock engine: posting, closing and report procedures.
purchasing_test(tst_stock_posting DB LINKS purchasing_framework)
purchasing_test(tst_stock_random DB LINKS purchasing_db)
purchasing_test(tst_stock_concurrency DB LINKS purchasing_db)
purchasing_test(tst_closing DB LINKS purchasing_framework)
purchasing_test(tst_cost_report DB LINKS purchasing_db)
purchasing_test(tst_resolution DB LINKS purchasing_db)
