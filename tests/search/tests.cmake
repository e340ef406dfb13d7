dp_add_test(test_search_rules tests/search/TestSearchRules.cpp LIBS dp_search_core)
dp_add_test(test_list_screens tests/search/TestListScreens.cpp LIBS dp_search_ui)
dp_add_test(test_sheet_handbacks tests/search/TestSheetHandBacks.cpp
  LIBS dp_warehouse_ui dp_summaries_ui)
