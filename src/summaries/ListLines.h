#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace dp::summaries {

// Trimmed bytes of a stored fixed text field.
struct FieldBytes {
    const char* data;
    int size;
};
FieldBytes trimmedBytes(const char* field, int width);

// Pieces of a fixed-width line, appended to `out` straight from a record's bytes.
// A stored fixed text field (length byte first), trimmed, padded with blanks or cut to n.
void appendFitted(QByteArray& out, const char* field, int width, int n);
// A stored fixed text field, trimmed, whole.
void appendTrimmed(QByteArray& out, const char* field, int width);

// L(x, n) on text: x trimmed, padded with blanks on the right to n characters or cut to its
// first n characters.
QString fit(QStringView text, int n);

} // namespace dp::summaries
