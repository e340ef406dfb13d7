#include "storage/RecordFile.h"

#include "storage/OsFile.h"
#include "storage/Rollback.h"

#include <QFileInfo>

#include <atomic>

namespace dp {

namespace {
// Set by tests, read by every opening on any thread (the reminder counts run beside the
// user-interface thread).
std::atomic<std::chrono::milliseconds> g_lockWait{std::chrono::milliseconds(5000)};
std::atomic<qint64> g_writeCut{-1};
} // namespace

std::chrono::milliseconds RecordFile::lockWait() {
    return g_lockWait.load();
}

void RecordFile::setLockWait(std::chrono::milliseconds wait) {
    g_lockWait = wait;
}

void RecordFile::cutWritesAfter(qint64 bytes) {
    g_writeCut = bytes;
}

void RecordFile::writeBytes(QFile& file, QByteArrayView bytes) const {
    if (const qint64 cut = g_writeCut.load(); cut >= 0) {
        if (cut < bytes.size()) {
            g_writeCut = -1;
            file.write(bytes.data(), cut);
            file.flush();
            throw StorageError(QStringLiteral("write %1: cut short").arg(file.fileName()));
        }
        g_writeCut = cut - bytes.size();
    }
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush())
        throw StorageError(QStringLiteral("write %1: %2").arg(file.fileName(), file.errorString()));
}

RecordFile::RecordFile(const QString& path, const RecordLayout& layout, Lock lock)
    : m_file(path), m_layout(layout), m_lock(lock) {
    const bool created = !QFile::exists(path);
    // Read and write even for readers: a folder the user cannot write is reported at once.
    if (!m_file.open(QIODevice::ReadWrite))
        fail("open");
    if (created && !osfile::syncFolder(QFileInfo(path).absolutePath()))
        fail("sync folder");
    takeLock(lock);
    // A rewrite cut short is put back under the exclusive lock; a reader takes it for that
    // alone, then reads under its shared lock like any other.
    while (rollback::pending(path)) {
        if (lock == Lock::Exclusive) {
            rollback::replay(m_file);
            break;
        }
        osfile::unlock(m_file.handle());
        takeLock(Lock::Exclusive);
        rollback::replay(m_file);
        osfile::unlock(m_file.handle());
        takeLock(Lock::Shared);
    }
}

void RecordFile::takeLock(Lock lock) {
    const auto mode =
        lock == Lock::Exclusive ? osfile::LockMode::Exclusive : osfile::LockMode::Shared;
    switch (osfile::lock(m_file.handle(), mode, g_lockWait.load())) {
    case osfile::LockResult::Locked:
        break;
    case osfile::LockResult::Busy:
        m_file.close();
        throw ArchiveBusy(
            QStringLiteral("lock %1: held by another program").arg(m_file.fileName()));
    case osfile::LockResult::Failed:
        fail("lock");
    }
}

RecordFile::~RecordFile() {
    close();
}

void RecordFile::close() {
    // Closing the descriptor releases its lock.
    if (m_file.isOpen())
        m_file.close();
}

void RecordFile::fail(const char* what) const {
    throw StorageError(QStringLiteral("%1 %2: %3")
                           .arg(QLatin1String(what), m_file.fileName(), m_file.errorString()));
}

qint64 RecordFile::count() const {
    return m_file.size() / m_layout.size();
}

void RecordFile::seekTo(qint64 index) {
    if (!m_file.seek(index * m_layout.size()))
        fail("seek");
}

qint64 RecordFile::readBlock(char* into, qint64 maxRecords) {
    const qint64 want = maxRecords * m_layout.size();
    qint64 got = 0;
    while (got < want) {
        const qint64 r = m_file.read(into + got, want - got);
        if (r < 0)
            fail("read");
        if (r == 0)
            break;
        got += r;
    }
    if (got != want)
        fail("read");
    return maxRecords;
}

Record RecordFile::read(qint64 position) {
    if (position < 1 || position > count())
        fail("read beyond the end");
    seekTo(position - 1);
    QByteArray bytes(m_layout.size(), Qt::Uninitialized);
    readBlock(bytes.data(), 1);
    return Record(m_layout, std::move(bytes));
}

void RecordFile::write(const Record& record) {
    if (m_lock != Lock::Exclusive)
        fail("write under a shared lock");
    writeBytes(m_file, record.bytes());
    if (!osfile::syncData(m_file.handle()))
        fail("sync");
}

qint64 RecordFile::rewrite(qint64 position, const Record& record) {
    if (m_lock != Lock::Exclusive)
        fail("write under a shared lock");
    if (position < 1 || position > count())
        fail("rewrite beyond the end");
    // The old record goes to the side file, on the disk with its folder entry, before a byte
    // of it is written over; the side file is emptied once the new one is on the disk.
    rollback::Entry old;
    old.offset = (position - 1) * m_layout.size();
    old.archiveSize = m_file.size();
    old.bytes = read(position).bytes();
    QFile side(rollback::pathFor(m_file.fileName()));
    if (!side.open(QIODevice::ReadWrite | QIODevice::Truncate))
        throw StorageError(QStringLiteral("open %1: %2").arg(side.fileName(), side.errorString()));
    writeBytes(side, rollback::encode(old));
    if (!osfile::syncData(side.handle()) ||
        !osfile::syncFolder(QFileInfo(side.fileName()).absolutePath()))
        throw StorageError(QStringLiteral("sync %1").arg(side.fileName()));
    seekTo(position - 1);
    write(record);
    if (!side.resize(0) || !osfile::syncData(side.handle()))
        throw StorageError(QStringLiteral("empty %1: %2").arg(side.fileName(), side.errorString()));
    return position;
}

qint64 RecordFile::append(const Record& record) {
    // Counted under the exclusive lock: no other program can append in between. A short
    // last record left by an interrupted append is not counted and is written over.
    const qint64 n = count();
    seekTo(n);
    write(record);
    return n + 1;
}

} // namespace dp
