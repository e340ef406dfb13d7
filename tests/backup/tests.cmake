dp_add_test(test_backup tests/backup/TestBackup.cpp LIBS dp_backup_core PkgConfig::LIBZIP)
