set(issue_support ${CMAKE_SOURCE_DIR}/tests/stock/StockFixtures.cpp ${CMAKE_SOURCE_DIR}/tests/stock/StockInvariants.cpp)
purchasing_add_db_test(tst_ODI010 ${CMAKE_CURRENT_LIST_DIR}/tst_ODI010.cpp ${issue_support})
purchasing_add_db_test(tst_ODI011 ${CMAKE_CURRENT_LIST_DIR}/tst_ODI011.cpp ${issue_support})
purchasing_add_db_test(tst_transfers ${CMAKE_CURRENT_LIST_DIR}/tst_transfers.cpp ${issue_support})
