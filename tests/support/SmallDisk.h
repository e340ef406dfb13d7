#pragma once

#include <QString>
#include <QTemporaryDir>

namespace dp::test {

// A small file system of its own (a tmpfs of `bytes`), mounted on a temporary folder for the
// guard's life, so that a test can fill a disk without touching the machine's. Mounting
// needs the right to mount; where it is refused, reason() says why and the test skips.
class SmallDisk {
  public:
    explicit SmallDisk(qint64 bytes = 2 << 20);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    QString reason() const { return m_reason; }
    QString path() const { return m_dir.path(); }

    qint64 available() const;
    // Takes all the room but `leave` bytes (rounded down to whole pages) with a file of its
    // own; true when the disk then has exactly that much left.
    bool fill(qint64 leave = 0);
    // Gives the room back.
    void empty();

  private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_reason;
};

} // namespace dp::test

// Skips the test function when the disk could not be mounted.
#define DP_REQUIRE_SMALL_DISK(disk)                                                                \
    do {                                                                                           \
        if (!(disk).mounted())                                                                     \
            QSKIP(qPrintable(QStringLiteral("no small disk: ") + (disk).reason()));                \
    } while (false)
