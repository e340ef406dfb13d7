#pragma once

#include "storage/Record.h"

#include <QString>

namespace dp {

// A movement of goods: into the warehouse (load) or out of it (unload).
enum class MovementKind { Load, Unload };

// One of the two movement journals in the program directory: append-only files of
// TMovimento records, one per registered movement, in registration order.
class Journal {
  public:
    Journal(const QString& programDir, MovementKind kind);

    static QString fileName(MovementKind kind); // Operazioni_Carico.pro / Operazioni_Scarico.pro
    QString path() const { return m_path; }
    MovementKind kind() const { return m_kind; }

    // Opens the journal (created when missing), writes the record after the last one and
    // closes it again. Returns the new record's position; throws StorageError on failure.
    qint64 append(const Record& movement) const;

  private:
    QString m_path;
    MovementKind m_kind;
};

} // namespace dp
