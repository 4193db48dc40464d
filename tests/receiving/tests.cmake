purchasing_add_db_test(tst_OCI010 ${CMAKE_CURRENT_LIST_DIR}/tst_OCI010.cpp)
