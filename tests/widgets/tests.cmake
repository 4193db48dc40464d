purchasing_add_test(tst_recordset ${CMAKE_CURRENT_LIST_DIR}/tst_recordset.cpp)
purchasing_add_test(tst_grids ${CMAKE_CURRENT_LIST_DIR}/tst_grids.cpp)
purchasing_add_test(tst_edits ${CMAKE_CURRENT_LIST_DIR}/tst_edits.cpp)
