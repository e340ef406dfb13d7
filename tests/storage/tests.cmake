dp_add_test(test_storage tests/storage/TestStorage.cpp LIBS dp_storage)
dp_add_test(test_textvalues tests/storage/TestTextValues.cpp LIBS dp_storage)

# A second program on the same folder, started by the concurrency tests.
add_executable(dp_archive_worker tests/storage/ArchiveWorker.cpp)
target_link_libraries(dp_archive_worker PRIVATE depotta_policy dp_storage)
dp_add_test(test_concurrency tests/storage/TestConcurrency.cpp LIBS dp_storage)
target_compile_definitions(test_concurrency PRIVATE
  DP_ARCHIVE_WORKER="$<TARGET_FILE:dp_archive_worker>")
add_dependencies(test_concurrency dp_archive_worker)
dp_add_test(test_whole_file_writes tests/storage/TestWholeFileWrites.cpp
  LIBS dp_storage dp_attachments_core dp_export_core dp_report_core dp_app_core)
