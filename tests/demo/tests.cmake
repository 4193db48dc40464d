purchasing_add_db_test(tst_demo_history ${CMAKE_CURRENT_LIST_DIR}/tst_demo_history.cpp)
