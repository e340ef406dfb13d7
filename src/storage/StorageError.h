#pragma once

#include <QString>

#include <stdexcept>

namespace dp {

// Any failure of a record-file operation. Screens turn it into kArchiveErrorText.
class StorageError : public std::runtime_error {
  public:
    explicit StorageError(const QString& what) : std::runtime_error(what.toStdString()) {}
};

// The file stayed locked by another program for the whole wait; nothing was done.
class ArchiveBusy : public StorageError {
  public:
    using StorageError::StorageError;
};

inline const QString kArchiveErrorText = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere "
    "i privilegi di scrittura nella cartella di installazione del programma.");

} // namespace dp
