#include "support/SmallDisk.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/statvfs.h>

namespace dp::test {

namespace {
const char kFiller[] = "/.riempitivo";
}

SmallDisk::SmallDisk(qint64 bytes) {
    if (!m_dir.isValid()) {
        m_reason = QStringLiteral("no temporary folder");
        return;
    }
    const QByteArray where = QFile::encodeName(m_dir.path());
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0777";
    if (::mount("tmpfs", where.constData(), "tmpfs", 0, options.constData()) != 0) {
        m_reason = QStringLiteral("mount of a tmpfs refused: ") +
                   QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    m_mounted = true;
}

SmallDisk::~SmallDisk() {
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

qint64 SmallDisk::available() const {
    struct statvfs s {};
    if (::statvfs(QFile::encodeName(m_dir.path()).constData(), &s) != 0)
        return -1;
    return qint64(s.f_bavail) * qint64(s.f_frsize);
}

bool SmallDisk::fill(qint64 leave) {
    empty();
    const qint64 take = available() - leave;
    if (take < 0)
        return false;
    QFile f(m_dir.path() + QLatin1String(kFiller));
    if (!f.open(QIODevice::WriteOnly))
        return false;
    const QByteArray block(4096, 'x');
    for (qint64 done = 0; done + block.size() <= take; done += block.size())
        if (f.write(block) != block.size())
            return false;
    f.close();
    const qint64 left = available();
    return left >= leave && left < leave + 4096;
}

void SmallDisk::empty() {
    QFile::remove(m_dir.path() + QLatin1String(kFiller));
}

} // namespace dp::test
