purchasing_add_db_test(tst_OPI010 ${CMAKE_CURRENT_LIST_DIR}/tst_OPI010.cpp)
purchasing_add_db_test(tst_OXI020 ${CMAKE_CURRENT_LIST_DIR}/tst_OXI020.cpp)
purchasing_add_db_test(tst_OXI010 ${CMAKE_CURRENT_LIST_DIR}/tst_OXI010.cpp)
