#pragma once

#include <QLoggingCategory>
#include <QString>

#include <stdexcept>

namespace dp {

// Any failure of a record-file operation, with what failed on which file. Screens show the
// user their Italian notice (ui/Messages.h) and log the detail under depotta.storage.
class StorageError : public std::runtime_error {
  public:
    explicit StorageError(const QString& what) : std::runtime_error(what.toStdString()) {}
};

// The file stayed locked by another program for the whole wait; nothing was done.
class ArchiveBusy : public StorageError {
  public:
    using StorageError::StorageError;
};

Q_DECLARE_LOGGING_CATEGORY(lcStorage)

// Logs the detail of a failure the user sees only as a notice, or that is passed over.
void logStorageError(const std::exception& error);
// Whether the failure is another workstation keeping the file locked.
inline bool isArchiveBusy(const StorageError& error) {
    return dynamic_cast<const ArchiveBusy*>(&error) != nullptr;
}

} // namespace dp
