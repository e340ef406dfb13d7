#include "attachments/AttachmentFolder.h"

#include "storage/TextValues.h"
#include "storage/Win1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace dp::attachments {

AttachmentFolder::AttachmentFolder(const QString& programDir) : m_folder(programDir) {
    if (!m_folder.isEmpty() && !m_folder.endsWith(QLatin1Char('/')))
        m_folder += QLatin1Char('/');
    m_folder += QStringLiteral("Documenti_Allegati/");
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

bool AttachmentFolder::copyIn(const QString& source, const QString& name) const {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    // Written aside and renamed over the older file only once complete.
    QSaveFile out(path(name));
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray block;
    while (!(block = in.read(1 << 20)).isEmpty())
        if (out.write(block) != block.size())
            return false;
    if (in.error() != QFileDevice::NoError)
        return false;
    return out.commit();
}

} // namespace dp::attachments
