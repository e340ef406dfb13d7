#pragma once

#include "storage/RecordLayout.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <vector>

namespace dp {

// Read-only access to the first `count` records of a record file, for as long as a list
// shows them. Journals are only ever appended to, so those records never change under the
// list, and records appended later (by another workstation too) are not among them.
// Records are read on demand through a small cache of blocks: a list of a million records
// holds only the blocks last used, and a walk through all of them reads the file in blocks.
// Read in any order, each record is read when asked for (a few kilobytes, nothing kept), so
// that a record rewritten meanwhile in place (an archive sheet saved on another workstation)
// is served as it is now.
// The file stays open for the life of the reader, but its shared lock is held only around
// each block read, so that other workstations can still append and save between reads. A
// lock kept by another program for longer than RecordFile::lockWait() fails the block, as
// busy; after one failure the lock is only tried until forgetFailure(), so that a walk over
// every row does not wait on every row. A view that paints reads with tryRecord(), which
// never waits.
class RecordReader {
  public:
    // How rows are asked for: mostly in file order (a journal's list, a grid), or in any
    // order (a list sorted by its text), where a block would be read for one record.
    enum class Access { InOrder, Random };

    // Throws StorageError when the file cannot be opened, or a rewrite cut short cannot be
    // put back (storage/Rollback.h). A count beyond the records in the file is cut to them.
    RecordReader(const QString& path, const RecordLayout& layout, qint64 count,
                 Access access = Access::InOrder);
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    const RecordLayout& layout() const { return m_layout; }
    qint64 count() const { return m_count; }

    // The bytes of the record at the 0-based index, valid until the next call; nullptr for
    // an index out of range or a block that could not be read.
    const char* record(qint64 index) const;
    // The same without waiting for a lock another program holds: nullptr with `busyNow` set
    // when it is held now. That is no failure: the record is to be asked for again later.
    const char* tryRecord(qint64 index, bool& busyNow) const;
    // Whether a block could not be read since the reader was opened or forgetFailure().
    bool failed() const { return m_failed; }
    // A new walk over the records (an export, a print, a find) starts clean: the failures of
    // the walks before are forgotten, and the lock is waited for again.
    void forgetFailure() const;
    // Whether the last block that could not be read was kept locked by another program.
    bool busy() const { return m_busy; }

  private:
    struct Block {
        qint64 first = -1; // index of its first record; -1: empty slot
        quint64 lastUse = 0;
        QByteArray bytes;
    };
    const char* read(qint64 index, bool* busyNow) const;
    // busyNow: only try the lock, and tell a held one there instead of failing.
    const Block* load(qint64 blockNumber, bool* busyNow) const;

    mutable QFile m_file;
    const RecordLayout& m_layout;
    qint64 m_count = 0;
    qint64 m_perBlock = 1;
    mutable std::vector<Block> m_blocks;
    mutable quint64 m_clock = 0;
    mutable bool m_failed = false;
    mutable bool m_busy = false;
    bool m_random = false;
    mutable const Block* m_last = nullptr; // the block of the last record served
};

} // namespace dp
