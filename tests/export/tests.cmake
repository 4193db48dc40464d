purchasing_add_test(tst_export ${CMAKE_CURRENT_LIST_DIR}/tst_export.cpp)
purchasing_add_db_test(tst_export_screen ${CMAKE_CURRENT_LIST_DIR}/tst_export_screen.cpp)
# Converts exported files with LibreOffice (soffice); slow to start.
purchasing_add_test(tst_export_office ${CMAKE_CURRENT_LIST_DIR}/tst_export_office.cpp)
set_tests_properties(tst_export_office PROPERTIES TIMEOUT 600)
