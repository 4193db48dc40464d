purchasing_add_db_test(tst_OEB030 ${CMAKE_CURRENT_LIST_DIR}/tst_OEB030.cpp)
purchasing_add_db_test(tst_OEB010 ${CMAKE_CURRENT_LIST_DIR}/tst_OEB010.cpp)
purchasing_add_db_test(tst_OEI010 ${CMAKE_CURRENT_LIST_DIR}/tst_OEI010.cpp)
purchasing_add_db_test(tst_OXI080 ${CMAKE_CURRENT_LIST_DIR}/tst_OXI080.cpp)
