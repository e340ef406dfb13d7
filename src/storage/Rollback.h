#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

#include <optional>

// What makes a rewrite in place atomic against a crash. Before a record is written over, its
// old bytes and where they lie go into a side file beside the archive (its name the archive's
// followed by "-rollback"), which is forced to the disk first; once the new record is on the
// disk the side file is emptied. Whoever opens the archive next and finds a whole entry there
// knows that a rewrite was cut short and puts the old bytes back, so that the record is wholly
// old or wholly new. The archive's own bytes and layout stay as they are.
//
// The side file is only written, read and emptied under the archive's exclusive lock. It is
// emptied, never deleted, so that a program holding it open (Windows forbids deleting an open
// file) does no harm. An entry cut short while it was written fails its checksum and is
// dropped: the archive was not touched yet.
namespace dp::rollback {

QString pathFor(const QString& archive);

struct Entry {
    qint64 offset = 0;      // in the archive
    qint64 archiveSize = 0; // of the archive, which a rewrite does not change
    QByteArray bytes;       // as they were before the rewrite
};
QByteArray encode(const Entry& entry);
// nullopt for anything but one whole entry: empty, cut short, damaged or not ours.
std::optional<Entry> decode(QByteArrayView bytes);

// Whether the side file of `archive` holds anything; cheap (no opening).
bool pending(const QString& archive);

// Under the exclusive lock of `archive` (open for reading and writing): puts back the old
// bytes of an entry in the side file, forces them to the disk and empties the side file.
// Throws StorageError when that cannot be done.
void replay(QFile& archive);

// For readers that open an archive themselves: when its side file holds anything, opens the
// archive, takes its exclusive lock (waiting as RecordFile does) and replays. Throws
// StorageError (ArchiveBusy for a lock kept too long) when it cannot.
void settle(const QString& archive);

} // namespace dp::rollback
