#include "app/IniFile.h"

#include "storage/OsFile.h"
#include "storage/Win1252.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

#include <filesystem>

namespace dp::app {

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

struct Lines {
    QByteArray prefix; // a byte-order mark written by some editors, kept as it was
    QList<QByteArray> lines;
};

Lines splitLines(const QByteArray& content) {
    Lines out;
    QByteArray body = content;
    if (body.startsWith(kBom)) {
        out.prefix = kBom;
        body.remove(0, kBom.size());
    }
    if (body.isEmpty())
        return out;
    out.lines = body.split('\n');
    if (out.lines.last().isEmpty()) // the file ended with a line end
        out.lines.removeLast();
    for (QByteArray& l : out.lines)
        if (l.endsWith('\r'))
            l.chop(1);
    return out;
}

QString decode(const QByteArray& bytes) {
    return win1252::decode(bytes.constData(), bytes.size());
}

// The section named by a "[name]" line, or nullopt for any other line.
std::optional<QString> sectionName(const QByteArray& line) {
    const QByteArray t = line.trimmed();
    if (!t.startsWith('['))
        return std::nullopt;
    const qsizetype close = t.indexOf(']');
    return decode(t.mid(1, close < 0 ? -1 : close - 1)).trimmed();
}

struct Entry {
    QString key;
    QString value;
};

std::optional<Entry> entry(const QByteArray& line) {
    const QByteArray t = line.trimmed();
    if (t.isEmpty() || t.startsWith(';'))
        return std::nullopt;
    const qsizetype eq = t.indexOf('=');
    if (eq <= 0)
        return std::nullopt;
    QString v = decode(t.mid(eq + 1)).trimmed();
    if (v.size() >= 2 &&
        ((v.startsWith(u'"') && v.endsWith(u'"')) || (v.startsWith(u'\'') && v.endsWith(u'\''))))
        v = v.mid(1, v.size() - 2);
    return Entry{decode(t.left(eq)).trimmed(), v};
}

// A file that is not there reads as empty; one that cannot even be looked at (a folder
// without access) is a failure, not an absent file.
enum class Presence { Missing, Present, Unknown };

Presence presence(const QString& path) {
    std::error_code ec;
    const auto st = std::filesystem::status(std::filesystem::path(path.toStdU16String()), ec);
    if (st.type() == std::filesystem::file_type::not_found)
        return Presence::Missing;
    return ec ? Presence::Unknown : Presence::Present;
}

// The whole file, or nullopt when it exists but cannot be read.
std::optional<QByteArray> readAll(const QString& path) {
    switch (presence(path)) {
    case Presence::Missing:
        return QByteArray();
    case Presence::Unknown:
        return std::nullopt;
    case Presence::Present:
        break;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray content = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    return content;
}

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

QString IniFile::value(const QByteArray& content, QStringView section, QStringView key) {
    bool inSection = false;
    for (const QByteArray& line : splitLines(content).lines) {
        if (const auto name = sectionName(line)) {
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        if (const auto e = entry(line); e && sameName(e->key, key))
            return e->value;
    }
    return {};
}

QByteArray IniFile::withValue(const QByteArray& content, QStringView section, QStringView key,
                              const QString& value) {
    Lines file = splitLines(content);
    const QByteArray newLine = win1252::encode(key) + '=' + win1252::encode(value);

    qsizetype sectionAt = -1;
    qsizetype lastInSection = -1; // last non-blank line of the section
    bool done = false;
    for (qsizetype i = 0; i < file.lines.size() && !done; ++i) {
        const QByteArray& line = file.lines[i];
        if (const auto name = sectionName(line)) {
            if (sectionAt >= 0)
                break; // the section ended without the key
            if (sameName(*name, section))
                sectionAt = lastInSection = i;
            continue;
        }
        if (sectionAt < 0)
            continue;
        if (const auto e = entry(line); e && sameName(e->key, key)) {
            file.lines[i] = newLine;
            done = true;
        } else if (!line.trimmed().isEmpty()) {
            lastInSection = i;
        }
    }
    if (!done) {
        if (sectionAt >= 0) {
            file.lines.insert(lastInSection + 1, newLine);
        } else {
            file.lines.append('[' + win1252::encode(section) + ']');
            file.lines.append(newLine);
        }
    }

    QByteArray out = file.prefix;
    for (const QByteArray& line : file.lines)
        out += line + "\r\n";
    return out;
}

std::optional<QString> IniFile::read(const QString& path, QStringView section, QStringView key) {
    const auto content = readAll(path);
    if (!content)
        return std::nullopt;
    return value(*content, section, key);
}

bool IniFile::write(const QString& path, QStringView section, QStringView key, const QString& value,
                    WriteFailure* why) {
    WriteFailure failure = WriteFailure::Other;
    const auto content = readAll(path);
    // Written beside, forced to the disk and renamed over, so that neither a failed write nor
    // a crash ever leaves half a file; a folder that allows no new file is a failure, never
    // a write in place.
    if (content)
        failure = SafeFile::writeWhole(path, withValue(*content, section, key, value));
    if (why)
        *why = failure;
    return failure == WriteFailure::None;
}

} // namespace dp::app
