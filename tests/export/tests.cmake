purchasing_add_test(tst_export ${CMAKE_CURRENT_LIST_DIR}/tst_export.cpp)
purchasing_add_db_test(tst_export_screen ${CMAKE_CURRENT_LIST_DIR}/tst_export_screen.cpp)
