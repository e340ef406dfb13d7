#pragma once

#include "storage/SafeFile.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

namespace dp::app {

// Reads and writes one string value by section and key in an INI text file, as the Windows
// profile functions do: names compared without regard to case, lines ending in CRLF or LF,
// values trimmed (and a pair of enclosing double quotes removed) when read. Writing keeps
// every other line as it was and ends lines with CRLF. Text is Windows-1252.
class IniFile {
  public:
    // The value in the given file content; empty when the section or the key is missing.
    static QString value(const QByteArray& content, QStringView section, QStringView key);
    // The content with key = value in section, replacing the first such key, or adding the
    // key at the end of the section, or the section at the end of the file.
    static QByteArray withValue(const QByteArray& content, QStringView section, QStringView key,
                                const QString& value);

    // A missing file reads as empty; nullopt means the file exists but could not be read.
    static std::optional<QString> read(const QString& path, QStringView section, QStringView key);
    // Creates the file when missing; false when it could not be read or written, in which
    // case the file keeps its previous content and `why`, when given, says whether the disk
    // was full.
    static bool write(const QString& path, QStringView section, QStringView key,
                      const QString& value, WriteFailure* why = nullptr);
};

} // namespace dp::app
