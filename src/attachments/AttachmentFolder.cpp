#include "attachments/AttachmentFolder.h"

#include "storage/ProgramFiles.h"
#include "storage/SafeFile.h"
#include "storage/TextValues.h"
#include "storage/Win1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace dp::attachments {

AttachmentFolder::AttachmentFolder(const QString& programDir) : m_folder(programDir) {
    if (!m_folder.isEmpty() && !m_folder.endsWith(QLatin1Char('/')))
        m_folder += QLatin1Char('/');
    m_folder += programfiles::name(programfiles::kAttachments) + QLatin1Char('/');
}

QString AttachmentFolder::folder() const {
    return m_folder;
}

QString AttachmentFolder::path(const QString& name) const {
    return m_folder + name;
}

bool AttachmentFolder::contains(const QString& name) const {
    // A bare name only: a record holding a path never reaches outside the folder.
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return false;
    return QFileInfo(path(name)).isFile();
}

AttachmentFolder::NameProblem AttachmentFolder::checkName(const QString& name) {
    const QString stored = text::trim(name);
    if (stored.size() > kMaxName)
        return NameProblem::TooLong;
    const QByteArray bytes = win1252::encode(stored);
    if (stored.isEmpty() || win1252::decode(bytes.constData(), bytes.size()) != stored)
        return NameProblem::NotStorable;
    return NameProblem::None;
}

bool AttachmentFolder::isAttached(const QString& source, const QString& name) const {
    const QString here = QFileInfo(path(name)).canonicalFilePath();
    return !here.isEmpty() && here == QFileInfo(source).canonicalFilePath();
}

bool AttachmentFolder::makeFolder() const {
    return QDir().mkpath(m_folder);
}

bool AttachmentFolder::isRegularFile(const QString& path) {
    // Follows a link to what it names; QFileInfo calls a pipe, a socket or a device neither a
    // file nor a folder.
    return QFileInfo(path).isFile();
}

AttachmentFolder::Copy AttachmentFolder::copyIn(const QString& source, const QString& name,
                                                const Progress& progress) const {
    if (!QFileInfo::exists(source))
        return Copy::Failed;
    if (!isRegularFile(source))
        return Copy::NotAFile;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return Copy::Failed;
    const qint64 total = in.size();
    // The older file of that name stays until the new one is whole, so both must fit.
    if (!diskspace::hasRoomFor(m_folder, total))
        return Copy::NoRoom;
    // Written aside and renamed over the older file only once complete.
    SafeFile out(path(name));
    if (!out.open())
        return out.failure() == WriteFailure::DiskFull ? Copy::NoRoom : Copy::Failed;
    QByteArray block(1 << 20, Qt::Uninitialized);
    qint64 done = 0;
    for (;;) {
        const qint64 n = in.read(block.data(), block.size());
        if (n < 0)
            return Copy::Failed;
        if (n == 0)
            break;
        if (!out.write(QByteArrayView(block.constData(), n)))
            return out.failure() == WriteFailure::DiskFull ? Copy::NoRoom : Copy::Failed;
        done += n;
        if (progress && !progress(done, total))
            return Copy::Cancelled;
    }
    if (out.commit())
        return Copy::Copied;
    return out.failure() == WriteFailure::DiskFull ? Copy::NoRoom : Copy::Failed;
}

} // namespace dp::attachments
