purchasing_add_db_test(tst_controller ${CMAKE_CURRENT_LIST_DIR}/tst_controller.cpp)
purchasing_add_db_test(tst_serials ${CMAKE_CURRENT_LIST_DIR}/tst_serials.cpp)
purchasing_add_test(tst_texthelpers ${CMAKE_CURRENT_LIST_DIR}/tst_texthelpers.cpp)
purchasing_add_db_test(tst_checks ${CMAKE_CURRENT_LIST_DIR}/tst_checks.cpp)
