set(summaries_support ${CMAKE_CURRENT_LIST_DIR}/SummaryFixture.cpp)
purchasing_add_db_test(tst_summaries ${CMAKE_CURRENT_LIST_DIR}/tst_summaries.cpp ${summaries_support})
purchasing_add_db_test(tst_cost_screens ${CMAKE_CURRENT_LIST_DIR}/tst_cost_screens.cpp)
