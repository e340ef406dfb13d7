#pragma once

#include "storage/Record.h"
#include "storage/RecordLayout.h"
#include "storage/StorageError.h"

#include <QFile>
#include <QString>

#include <chrono>
#include <utility>

namespace dp {

// A file of fixed-size records, opened for reading and writing (created when missing) for
// the life of one object: one user action opens, does its operation or scan, and closes.
// Positions are 1-based. Every failure throws StorageError.
//
// Several programs may share the folder: the object holds a lock on the whole file from
// opening to closing, shared for reading, exclusive for writing, so that an append sees
// every record written before it and a reader never sees half a write. A lock another
// program keeps for longer than lockWait() throws ArchiveBusy before anything is done.
// append and rewrite return only once the record is on the disk. A rewrite is atomic against
// a crash (storage/Rollback.h): every opening first puts back a record that a rewrite cut
// short had left half written, so that a record reads wholly old or wholly new.
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

    // Calls visit(view, position) for the records in the file when the scan begins, in file
    // order, reading in large blocks; records appended meanwhile (by a program that does not
    // lock) are not visited. begin(count) is called first with that count, so that whatever
    // the caller sizes from a count is sized from the one the scan works on. visit returns
    // false to stop early. Returns the count.
    template <class Begin, class Visit> qint64 scan(Begin&& begin, Visit&& visit);
    template <class Visit> qint64 scan(Visit&& visit) {
        return scan([](qint64) {}, std::forward<Visit>(visit));
    }

    void close();

    static std::chrono::milliseconds lockWait();
    static void setLockWait(std::chrono::milliseconds wait); // for tests
    // For tests: the writes of this process stop once `bytes` more bytes are written, as if
    // the program died there; the write that reaches the limit throws StorageError. Negative:
    // no limit (the default, and again once the limit was reached).
    static void cutWritesAfter(qint64 bytes);

  private:
    void takeLock(Lock lock);
    void seekTo(qint64 index);
    qint64 readBlock(char* into, qint64 maxRecords);
    void write(const Record& record);
    void writeBytes(QFile& file, QByteArrayView bytes) const;
    [[noreturn]] void fail(const char* what) const;

    QFile m_file;
    const RecordLayout& m_layout;
    Lock m_lock;
};

template <class Begin, class Visit> qint64 RecordFile::scan(Begin&& begin, Visit&& visit) {
    const qint64 size = m_layout.size();
    const qint64 total = count();
    begin(total);
    const qint64 perBlock = qBound<qint64>(1, total, (4 << 20) / size);
    QByteArray block(perBlock * size, Qt::Uninitialized);
    seekTo(0);
    qint64 position = 0;
    while (position < total) {
        const qint64 n = readBlock(block.data(), qMin(perBlock, total - position));
        for (qint64 i = 0; i < n; ++i) {
            ++position;
            if (!visit(RecordView(m_layout, block.constData() + i * size), position))
                return total;
        }
    }
    return total;
}

} // namespace dp
