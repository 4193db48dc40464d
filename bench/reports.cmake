# Report benchmark: a 1,000-page printout prepared and written to PDF, time and peak memory.
add_executable(bench_report ${CMAKE_CURRENT_LIST_DIR}/bench_report.cpp)
target_link_libraries(bench_report PRIVATE purchasing_core)
