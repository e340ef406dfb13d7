dp_add_test(test_shared_sheets tests/concurrency/TestSharedSheets.cpp LIBS dp_warehouse_ui dp_registry_ui
  dp_summaries_ui dp_export_ui)
