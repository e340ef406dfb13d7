dp_add_test(test_search_rules tests/search/TestSearchRules.cpp LIBS dp_search_core)
