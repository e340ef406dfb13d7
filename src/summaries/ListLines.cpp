#include "summaries/ListLines.h"

#include "storage/FixedText.h"
#include "storage/TextValues.h"
#include "storage/Win1252.h"

#include <cstring>

namespace dp::summaries {

QString ListLines::line(qsizetype i) const {
    const qsizetype begin = i == 0 ? 0 : ends[i - 1];
    return win1252::decode(text.constData() + begin, ends[i] - begin);
}

QStringList ListLines::toStringList() const {
    QStringList out;
    out.reserve(count());
    for (qsizetype i = 0; i < count(); ++i)
        out.append(line(i));
    return out;
}

LineWriter::LineWriter(ListLines& into, qsizetype lines, qsizetype maxLineBytes)
    : m_lines(into), m_used(into.text.size()) {
    m_room = m_used + lines * maxLineBytes;
    m_lines.text.resize(m_room); // uninitialised: pages are only touched as lines are written
    m_out = m_lines.text.data();
    m_lines.ends.reserve(m_lines.ends.size() + lines);
}

void LineWriter::literal(const char* bytes, qsizetype n) {
    Q_ASSERT(m_used + n <= m_room);
    std::memcpy(m_out + m_used, bytes, size_t(n));
    m_used += n;
}

FieldBytes trimmedBytes(const char* field, int width) {
    const char* b = field + 1;
    int n = fixedtext::length(field, width);
    while (n > 0 && static_cast<unsigned char>(*b) <= 32) {
        ++b;
        --n;
    }
    while (n > 0 && static_cast<unsigned char>(b[n - 1]) <= 32)
        --n;
    return {b, n};
}

void LineWriter::fitField(const char* field, int width, int n) {
    const FieldBytes f = trimmedBytes(field, width);
    const int kept = f.size < n ? f.size : n;
    Q_ASSERT(m_used + n <= m_room);
    std::memcpy(m_out + m_used, f.data, size_t(kept));
    std::memset(m_out + m_used + kept, ' ', size_t(n - kept));
    m_used += n;
}

void LineWriter::trimmedField(const char* field, int width) {
    const FieldBytes f = trimmedBytes(field, width);
    literal(f.data, f.size);
}

void LineWriter::endLine() {
    m_lines.ends.append(m_used);
}

void LineWriter::finish() {
    if (m_finished)
        return;
    m_finished = true;
    m_lines.text.truncate(m_used);
    m_lines.text.squeeze();
    m_lines.ends.squeeze();
}

QString fit(QStringView text, int n) {
    QString t = dp::text::trim(text);
    if (t.size() > n)
        t.truncate(n);
    else
        t.append(QString(n - t.size(), QLatin1Char(' ')));
    return t;
}

void appendFitted(QByteArray& out, const char* field, int width, int n) {
    const FieldBytes f = trimmedBytes(field, width);
    const int kept = f.size < n ? f.size : n;
    // One resize and two plain copies: appending the blanks on their own costs more than
    // the rest of the line (lines are built for every row "Trova" walks).
    const qsizetype at = out.size();
    out.resize(at + n);
    char* p = out.data() + at;
    std::memcpy(p, f.data, size_t(kept));
    std::memset(p + kept, ' ', size_t(n - kept));
}

void appendTrimmed(QByteArray& out, const char* field, int width) {
    const FieldBytes f = trimmedBytes(field, width);
    out.append(f.data, f.size);
}

} // namespace dp::summaries
