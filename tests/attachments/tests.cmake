dp_add_test(test_attachments tests/attachments/TestAttachments.cpp LIBS dp_attachments_ui)
dp_add_test(test_camera tests/attachments/TestCamera.cpp LIBS dp_attachments_ui)
