purchasing_test(tst_admin_tool DB LINKS purchasing_db)
add_dependencies(tst_admin_tool purchasing-db)
target_compile_definitions(tst_admin_tool PRIVATE PURCHASING_BIN_DIR="${CMAKE_BINARY_DIR}")
