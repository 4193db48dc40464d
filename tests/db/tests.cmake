purchasing_test(tst_csv LINKS purchasing_db)
purchasing_test(tst_schema DB LINKS purchasing_db)
purchasing_test(tst_query DB LINKS purchasing_db)
purchasing_test(tst_adminno DB LINKS purchasing_db)
