purchasing_add_db_test(tst_controller ${CMAKE_CURRENT_LIST_DIR}/tst_controller.cpp)
purchasing_add_db_test(tst_lookup ${CMAKE_CURRENT_LIST_DIR}/tst_lookup.cpp)
