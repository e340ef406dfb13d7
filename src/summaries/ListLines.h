#pragma once

#include "storage/TextRows.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace dp::summaries {

// The lines of a list, kept as Windows-1252 bytes back to back (a million movement lines
// fit in about 150 MB instead of twice that as UTF-16). ends[i] is the offset just past
// line i. The searches keep their lines so.
struct ListLines {
    QByteArray text;
    QList<qsizetype> ends;

    qsizetype count() const { return ends.size(); }
    QString line(qsizetype i) const;
    QStringList toStringList() const;
};

// Builds fixed-width lines straight from record bytes into a buffer sized once for the
// whole scan, so that no line makes a temporary string.
class LineWriter {
  public:
    // Room for `lines` lines of at most `maxLineBytes` bytes each; nothing more is ever
    // allocated. Untouched room costs no memory until written.
    LineWriter(ListLines& into, qsizetype lines, qsizetype maxLineBytes);
    ~LineWriter() { finish(); }
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    // Windows-1252 bytes as they are.
    void literal(const char* bytes, qsizetype n);
    template <qsizetype N> void literal(const char (&bytes)[N]) { literal(bytes, N - 1); }
    // A stored fixed text field (length byte first), trimmed, padded with blanks or cut to n.
    void fitField(const char* field, int width, int n);
    // A stored fixed text field trimmed, whole.
    void trimmedField(const char* field, int width);
    void endLine();
    // Gives the unused room back; called by the destructor.
    void finish();

  private:
    ListLines& m_lines;
    char* m_out = nullptr;
    qsizetype m_used = 0;
    qsizetype m_room = 0;
    bool m_finished = false;
};

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
