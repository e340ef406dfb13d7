dp_add_test(test_fieldconventions tests/ui/TestFieldConventions.cpp LIBS dp_ui_base)
dp_add_test(test_archivesheet tests/ui/TestArchiveSheet.cpp LIBS dp_ui_base)
