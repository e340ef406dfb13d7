dp_add_test(test_backup tests/backup/TestBackup.cpp
  LIBS dp_backup_core dp_storage dp_app_core dp_attachments_core PkgConfig::LIBZIP)
dp_add_test(test_backup_screen tests/backup/TestBackupScreen.cpp LIBS dp_backup_ui)
dp_add_test(test_backup_rollback tests/backup/TestBackupRollback.cpp LIBS dp_backup_core dp_storage
  PkgConfig::LIBZIP)
