dp_add_test(test_export_file tests/export/TestExportFile.cpp LIBS dp_export_core)
dp_add_test(test_export_screens tests/export/TestExportScreens.cpp
  LIBS dp_export_ui dp_warehouse_ui dp_registry_ui dp_summaries_ui)
