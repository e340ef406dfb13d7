#include "storage/KeptLines.h"

#include <algorithm>

namespace dp {

KeptLines::KeptLines(QByteArray bytes, QList<qsizetype> ends)
    : m_bytes(std::move(bytes)), m_ends(std::move(ends)) {
    for (qsizetype i = 0; i < m_ends.size(); ++i)
        m_longest = std::max(m_longest, m_ends[i] - begin(i));
}

void KeptLines::reserve(qsizetype lines, qsizetype bytesPerLine) {
    m_bytes.reserve(m_bytes.size() + lines * bytesPerLine);
    m_ends.reserve(m_ends.size() + lines);
}

void KeptLines::append(QByteArrayView line) {
    m_bytes.append(line);
    m_ends.append(m_bytes.size());
    m_longest = std::max(m_longest, line.size());
}

void KeptLines::squeeze() {
    m_bytes.squeeze();
    m_ends.squeeze();
}

void KeptLines::cell(qsizetype row, int column, QByteArray& out) const {
    if (column != 0 || row < 0 || row >= m_ends.size())
        return;
    const qsizetype b = begin(row);
    out.append(m_bytes.constData() + b, m_ends[row] - b);
}

qsizetype KeptLines::maxLength(int column) const {
    return column == 0 ? m_longest : -1;
}

bool KeptLines::contains(qsizetype row, const ByteKey& key, QByteArray&) const {
    if (row < 0 || row >= m_ends.size())
        return false;
    const qsizetype b = begin(row);
    return containsFolded(m_bytes.constData() + b, m_ends[row] - b, key);
}

} // namespace dp
