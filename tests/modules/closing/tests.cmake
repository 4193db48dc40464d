purchasing_test(tst_OEB030 DB LINKS purchasing_testsession purchasing_closing)
purchasing_test(tst_OEB010 DB LINKS purchasing_testsession purchasing_closing)
purchasing_test(tst_OEI010 DB LINKS purchasing_testsession purchasing_closing)
# Every stock-changing screen against a closed day.
purchasing_test(tst_closed_day DB
  LINKS purchasing_testsession purchasing_closing purchasing_issues purchasing_master purchasing_receiving)
