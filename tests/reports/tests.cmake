purchasing_add_test(tst_report ${CMAKE_CURRENT_LIST_DIR}/tst_report.cpp)
