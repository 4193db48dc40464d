# Spreadsheet export benchmark: 100,000 rows x 10 columns to .xls and
# 1,000,000 rows to .xlsx, time and peak memory.
add_executable(bench_export ${CMAKE_CURRENT_LIST_DIR}/bench_export.cpp)
target_link_libraries(bench_export PRIVATE purchasing_core)
