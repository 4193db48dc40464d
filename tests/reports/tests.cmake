purchasing_add_test(tst_report ${CMAKE_CURRENT_LIST_DIR}/tst_report.cpp)
purchasing_add_test(tst_report_preview ${CMAKE_CURRENT_LIST_DIR}/tst_report_preview.cpp)
purchasing_add_db_test(tst_report_catalogue ${CMAKE_CURRENT_LIST_DIR}/tst_report_catalogue.cpp)
