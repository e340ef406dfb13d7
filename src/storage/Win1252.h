#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace dp::win1252 {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F. Characters it cannot represent
// are stored as "?" (one per code point, so a surrogate pair gives one "?").
QByteArray encode(QStringView text);
QString decode(const char* bytes, qsizetype length);
// Decodes into an existing buffer; returns the number of QChars written (== length).
void decodeInto(const char* bytes, qsizetype length, QChar* out);

} // namespace dp::win1252
