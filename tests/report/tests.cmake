dp_add_test(test_report tests/report/TestReport.cpp LIBS dp_report_ui)
