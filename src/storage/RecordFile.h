#pragma once

#include "storage/Record.h"
#include "storage/RecordLayout.h"
#include "storage/StorageError.h"

#include <QFile>
#include <QString>

#include <chrono>

namespace dp {

// A file of fixed-size records, opened for reading and writing (created when missing) for
// the life of one object: one user action opens, does its operation or scan, and closes.
// Positions are 1-based. Every failure throws StorageError.
//
// Several programs may share the folder: the object holds a lock on the whole file from
// opening to closing, shared for reading, exclusive for writing, so that an append sees
// every record written before it and a reader never sees half a write. A lock another
// program keeps for longer than lockWait() throws ArchiveBusy before anything is done.
// append and rewrite return only once the record is on the disk.
class RecordFile {
  public:
    enum class Lock { Shared, Exclusive };

    // Exclusive unless the caller only reads.
    RecordFile(const QString& path, const RecordLayout& layout, Lock lock = Lock::Exclusive);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Records in the file; a short last record is not counted.
    qint64 count() const;
    Record read(qint64 position);
    qint64 rewrite(qint64 position, const Record& record);
    qint64 append(const Record& record);

    // Calls visit(view, position) for every record in file order, reading in large blocks.
    // visit returns false to stop early.
    template <class Visit> void scan(Visit&& visit);

    void close();

    static std::chrono::milliseconds lockWait();
    static void setLockWait(std::chrono::milliseconds wait); // for tests

  private:
    void seekTo(qint64 index);
    qint64 readBlock(char* into, qint64 maxRecords);
    void write(const Record& record);
    [[noreturn]] void fail(const char* what) const;

    QFile m_file;
    const RecordLayout& m_layout;
    Lock m_lock;
};

template <class Visit> void RecordFile::scan(Visit&& visit) {
    const qint64 size = m_layout.size();
    const qint64 total = count();
    const qint64 perBlock = qBound<qint64>(1, total, (4 << 20) / size);
    QByteArray block(perBlock * size, Qt::Uninitialized);
    seekTo(0);
    qint64 position = 0;
    while (position < total) {
        const qint64 n = readBlock(block.data(), qMin(perBlock, total - position));
        for (qint64 i = 0; i < n; ++i) {
            ++position;
            if (!visit(RecordView(m_layout, block.constData() + i * size), position))
                return;
        }
    }
}

} // namespace dp
