#pragma once

#include "storage/TextRows.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace dp::summaries {

// Trimmed bytes of a stored fixed text field.
struct FieldBytes {
    const char* data;
    int size;
};
FieldBytes trimmedBytes(const char* field, int width);

// L(x, n) on text: x trimmed, padded with blanks on the right to n characters or cut to its
// first n characters.
QString fit(QStringView text, int n);

// Case folding of the ASCII letters on Windows-1252 bytes, as dp::text::lowerAscii does on text.
inline char lowerAsciiByte(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
}

// The key of a filter or find and the folded search, shared with the list model.
using dp::ByteKey;
using dp::byteKey;
using dp::containsFolded;

// Pieces of a fixed-width line, appended to `out` straight from a record's bytes.
// A stored fixed text field (length byte first), trimmed, padded with blanks or cut to n.
void appendFitted(QByteArray& out, const char* field, int width, int n);
// A stored fixed text field, trimmed, whole.
void appendTrimmed(QByteArray& out, const char* field, int width);

} // namespace dp::summaries
