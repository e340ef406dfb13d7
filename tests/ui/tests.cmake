dp_add_test(test_fieldconventions tests/ui/TestFieldConventions.cpp LIBS dp_ui_base)
dp_add_test(test_archivesheet tests/ui/TestArchiveSheet.cpp LIBS dp_ui_base)
dp_add_test(test_icons tests/ui/TestIcons.cpp LIBS dp_ui_base dp_app_ui dp_warehouse_ui dp_registry_ui
  dp_summaries_ui)
dp_add_test(test_waitcursor tests/ui/TestWaitCursor.cpp LIBS dp_ui_base)
dp_add_test(test_archive_notices tests/ui/TestArchiveNotices.cpp LIBS dp_registry_ui)
