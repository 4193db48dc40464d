purchasing_add_db_test(tst_closing ${CMAKE_CURRENT_LIST_DIR}/tst_closing.cpp)
purchasing_add_db_test(tst_cost_report ${CMAKE_CURRENT_LIST_DIR}/tst_cost_report.cpp)
purchasing_add_db_test(tst_resolution ${CMAKE_CURRENT_LIST_DIR}/tst_resolution.cpp)
