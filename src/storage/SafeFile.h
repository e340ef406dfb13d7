#pragma once

#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

namespace dp {

// Why a write failed, where the user can be told more than "it failed".
enum class WriteFailure { None, DiskFull, Other };

// A file written whole: beside its final name, and put in place only once every write and the
// final flush succeeded and the bytes are on the disk. QSaveFile alone renames a file whose
// last buffered bytes never reached the disk (a full disk) and reports success; this checks
// the flush itself and cancels instead. An uncommitted file is cancelled when destroyed.
class SafeFile {
  public:
    explicit SafeFile(const QString& path);
    ~SafeFile();
    SafeFile(const SafeFile&) = delete;
    SafeFile& operator=(const SafeFile&) = delete;

    bool open();
    // For writers that take a device (an image writer): whatever they fail to write is
    // noticed by commit(), even when they do not say so.
    QIODevice& device() { return m_file; }
    bool write(QByteArrayView bytes);
    // False, with the file at the final name as it was, on any error since open().
    bool commit();
    void cancel();

    WriteFailure failure() const { return m_failure; }
    QString errorString() const { return m_file.errorString(); }

    // The whole file in one go.
    static WriteFailure writeWhole(const QString& path, QByteArrayView bytes);

  private:
    bool fail();
    QSaveFile m_file;
    QString m_folder;
    WriteFailure m_failure = WriteFailure::None;
    bool m_open = false;
};

// How much room a disk has, and whether a failure was the disk running out of it.
namespace diskspace {
// Bytes this user may still write on the disk of `folder`; -1 when unknown.
qint64 available(const QString& folder);
// Whether the last failed system call of this thread ran out of disk space.
bool lastErrorWasDiskFull();
// Whether hardly any room is left on the disk of `folder`.
bool nearlyFull(const QString& folder);
// Whether a write into `folder` that just failed failed for want of room: the system said
// so, or hardly any room is left.
bool isFull(const QString& folder);
// Whether `bytes` more fit on the disk of `folder`, with a small margin; true when unknown.
bool hasRoomFor(const QString& folder, qint64 bytes);
} // namespace diskspace

} // namespace dp
