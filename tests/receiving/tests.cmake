purchasing_add_db_test(tst_OCI010 ${CMAKE_CURRENT_LIST_DIR}/tst_OCI010.cpp)
purchasing_add_db_test(tst_OCI020 ${CMAKE_CURRENT_LIST_DIR}/tst_OCI020.cpp ${CMAKE_SOURCE_DIR}/tests/stock/StockInvariants.cpp)
purchasing_add_db_test(tst_OCI030 ${CMAKE_CURRENT_LIST_DIR}/tst_OCI030.cpp ${CMAKE_SOURCE_DIR}/tests/stock/StockInvariants.cpp)
