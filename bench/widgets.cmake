# Grid loading benchmark: 100,000 rows x 10 columns, time to first paint and peak memory.
add_executable(bench_grid ${CMAKE_CURRENT_LIST_DIR}/bench_grid.cpp)
target_link_libraries(bench_grid PRIVATE purchasing_core)
