set(stock_support ${CMAKE_CURRENT_LIST_DIR}/StockFixtures.cpp ${CMAKE_CURRENT_LIST_DIR}/StockInvariants.cpp)
purchasing_add_db_test(tst_stock_posting ${CMAKE_CURRENT_LIST_DIR}/tst_stock_posting.cpp ${stock_support})
purchasing_add_db_test(tst_stock_random ${CMAKE_CURRENT_LIST_DIR}/tst_stock_random.cpp ${stock_support})
purchasing_add_db_test(tst_stock_concurrency ${CMAKE_CURRENT_LIST_DIR}/tst_stock_concurrency.cpp ${stock_support})
