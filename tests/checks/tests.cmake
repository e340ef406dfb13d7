dp_add_test(test_checkrules tests/checks/TestCheckRules.cpp LIBS dp_checks_core)
dp_add_test(test_checkscreens tests/checks/TestCheckScreens.cpp LIBS dp_checks_ui)
