dp_add_test(test_printing tests/printing/TestRecordSheets.cpp
  LIBS dp_printing_ui dp_registry_ui dp_warehouse_ui)
