#pragma once

#include "storage/TextRows.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace dp {

// Lines built once and kept, as Windows-1252 bytes back to back (one byte a character)
// with the end of each line. For lists whose lines cannot be made again from their records
// alone (the inventory's values).
class KeptLines final : public TextRows {
  public:
    KeptLines() = default;
    // Lines already built: bytes back to back, ends[i] just past line i.
    KeptLines(QByteArray bytes, QList<qsizetype> ends);

    // Room for `lines` lines of about `bytesPerLine` each; untouched room costs no memory.
    void reserve(qsizetype lines, qsizetype bytesPerLine);
    void append(QByteArrayView line);
    // Gives unused room back.
    void squeeze();

    qsizetype count() const override { return m_ends.size(); }
    void cell(qsizetype row, int column, QByteArray& out) const override;
    qsizetype maxLength(int column) const override;
    bool contains(qsizetype row, const ByteKey& key, QByteArray& buffer) const override;

  private:
    qsizetype begin(qsizetype row) const { return row == 0 ? 0 : m_ends[row - 1]; }

    QByteArray m_bytes;
    QList<qsizetype> m_ends; // offset just past each line
    qsizetype m_longest = 0;
};

} // namespace dp
