#include "storage/TextRows.h"

#include "storage/Win1252.h"

#include <string_view>

namespace dp {

namespace {

inline char lowerAsciiByte(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
}

} // namespace

ByteKey byteKey(QStringView lowerCasedText) {
    ByteKey key;
    key.bytes = win1252::encode(lowerCasedText);
    // encode() writes "?" for what it cannot hold; a real "?" stays representable.
    qsizetype q = 0;
    for (QChar c : lowerCasedText)
        if (c == QLatin1Char('?'))
            ++q;
    key.representable = key.bytes.count('?') == q;
    return key;
}

bool containsFolded(const char* text, qsizetype size, const ByteKey& key) {
    const qsizetype k = key.bytes.size();
    if (k == 0 || !key.representable || k > size)
        return false;
    const char* kb = key.bytes.constData();
    const char first = kb[0];
    for (qsizetype i = 0; i + k <= size; ++i) {
        if (lowerAsciiByte(text[i]) != first)
            continue;
        qsizetype j = 1;
        while (j < k && lowerAsciiByte(text[i + j]) == kb[j])
            ++j;
        if (j == k)
            return true;
    }
    return false;
}

QString TextRows::header(int) const {
    return {};
}

Qt::Alignment TextRows::alignment(int) const {
    return Qt::AlignLeft | Qt::AlignVCenter;
}

qsizetype TextRows::maxLength(int) const {
    return -1;
}

QString TextRows::cellText(qsizetype row, int column) const {
    QByteArray bytes;
    cell(row, column, bytes);
    return win1252::decode(bytes.constData(), bytes.size());
}

bool TextRows::contains(qsizetype row, const ByteKey& key, QByteArray& buffer) const {
    buffer.resize(0);
    cell(row, 0, buffer);
    const qsizetype k = key.bytes.size();
    if (k == 0 || !key.representable || k > buffer.size())
        return false;
    // The line is ours to change: folded in place in one pass, then searched with the
    // library's substring search, far quicker than folding byte by byte while comparing.
    char* p = buffer.data();
    for (qsizetype i = 0, n = buffer.size(); i < n; ++i)
        p[i] = lowerAsciiByte(p[i]);
    return std::string_view(p, size_t(buffer.size()))
               .find(std::string_view(key.bytes.constData(), size_t(k))) != std::string_view::npos;
}

} // namespace dp
