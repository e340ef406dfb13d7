add_library(dp_storage STATIC
  src/storage/FixedText.cpp
  src/storage/Journal.cpp
  src/storage/KeptLines.cpp
  src/storage/OsFile.cpp
  src/storage/PendingRows.cpp
  src/storage/ProgramFiles.cpp
  src/storage/Record.cpp
  src/storage/RecordFile.cpp
  src/storage/RecordLayout.cpp
  src/storage/RecordReader.cpp
  src/storage/RecordRows.cpp
  src/storage/Rollback.cpp
  src/storage/SafeFile.cpp
  src/storage/StorageError.cpp
  src/storage/TextRows.cpp
  src/storage/TextValues.cpp
  src/storage/Win1252.cpp
)
target_link_libraries(dp_storage PUBLIC depotta_policy Qt6::Core)
target_link_libraries(depotta_core INTERFACE dp_storage)
