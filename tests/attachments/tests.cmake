dp_add_test(test_attachments tests/attachments/TestAttachments.cpp LIBS dp_attachments_ui)
dp_add_test(test_camera tests/attachments/TestCamera.cpp LIBS dp_attachments_ui)
dp_add_test(test_sheet_attachments tests/attachments/TestSheetAttachments.cpp
  LIBS dp_registry_ui dp_warehouse_ui)
dp_add_test(test_sheet_photos tests/attachments/TestSheetPhotos.cpp LIBS dp_warehouse_ui)
