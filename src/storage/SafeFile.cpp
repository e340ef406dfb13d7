#include "storage/SafeFile.h"

#include "storage/OsFile.h"

#include <QFileInfo>
#include <QStorageInfo>

#include <cerrno>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace dp {

namespace {
// Less than this left on a disk after a failed write: the disk is taken for full. More than
// what a write buffer holds, less than any file the program writes on purpose.
constexpr qint64 kNearlyFull = 64 * 1024;
} // namespace

SafeFile::SafeFile(const QString& path) : m_file(path), m_folder(QFileInfo(path).absolutePath()) {}

SafeFile::~SafeFile() {
    if (m_open)
        m_file.cancelWriting();
}

bool SafeFile::open() {
    m_failure = WriteFailure::None;
    m_open = m_file.open(QIODevice::WriteOnly);
    if (!m_open)
        return fail();
    return true;
}

bool SafeFile::write(QByteArrayView bytes) {
    if (m_failure != WriteFailure::None)
        return false;
    if (m_file.write(bytes.data(), bytes.size()) != bytes.size())
        return fail();
    return true;
}

bool SafeFile::commit() {
    if (!m_open)
        return false;
    // The order matters: the flush is the write QSaveFile does not check, and an error any
    // writer ignored is still recorded on the device.
    if (m_failure != WriteFailure::None || !m_file.flush() ||
        m_file.error() != QFileDevice::NoError || !osfile::syncData(int(m_file.handle())))
        return fail();
    m_open = false;
    if (!m_file.commit()) {
        m_failure = diskspace::isFull(m_folder) ? WriteFailure::DiskFull : WriteFailure::Other;
        return false;
    }
    // The rename must outlive a crash too.
    osfile::syncFolder(m_folder);
    return true;
}

void SafeFile::cancel() {
    if (m_open)
        m_file.cancelWriting();
    m_open = false;
}

bool SafeFile::fail() {
    // Told apart before the partial file is removed, which gives its room back.
    if (m_failure == WriteFailure::None)
        m_failure = diskspace::isFull(m_folder) ? WriteFailure::DiskFull : WriteFailure::Other;
    cancel();
    return false;
}

WriteFailure SafeFile::writeWhole(const QString& path, QByteArrayView bytes) {
    SafeFile file(path);
    if (file.open() && file.write(bytes) && file.commit())
        return WriteFailure::None;
    return file.failure();
}

namespace diskspace {

qint64 available(const QString& folder) {
    QStorageInfo info(folder);
    if (!info.isValid())
        return -1;
    info.refresh();
    return info.bytesAvailable();
}

bool lastErrorWasDiskFull() {
#ifdef Q_OS_WIN
    const DWORD e = GetLastError();
    return e == ERROR_DISK_FULL || e == ERROR_HANDLE_DISK_FULL;
#else
    return errno == ENOSPC || errno == EDQUOT;
#endif
}

bool nearlyFull(const QString& folder) {
    const qint64 left = available(folder);
    return left >= 0 && left < kNearlyFull;
}

bool isFull(const QString& folder) {
    return lastErrorWasDiskFull() || nearlyFull(folder);
}

bool hasRoomFor(const QString& folder, qint64 bytes) {
    const qint64 left = available(folder);
    return left < 0 || bytes + kNearlyFull <= left;
}

} // namespace diskspace

} // namespace dp
