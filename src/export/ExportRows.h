#pragma once

#include "storage/TextRows.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace dp::exports {

// The rows an export shows in its grid and writes to its file are TextRows: one row per
// record, each cell the trimmed Windows-1252 text of its column (no "N." column). A journal's
// are built from its records when shown or written (RecordRows); the other archives' are
// taken once into a CellSnapshot.

// The cells of an archive taken once, held compactly: their bytes back to back and the end
// offset of each cell, row after row.
class CellSnapshot final : public TextRows {
  public:
    explicit CellSnapshot(int columns = 0) : m_columns(columns) {}

    qsizetype count() const override { return m_columns ? m_ends.size() / m_columns : 0; }
    int columnCount() const override { return m_columns; }
    void cell(qsizetype row, int column, QByteArray& out) const override;

    // Builds a row cell by cell: append the cell's bytes, then end it.
    void append(QByteArrayView bytes) { m_text.append(bytes); }
    void append(char c) { m_text.append(c); }
    void endCell() { m_ends.append(m_text.size()); }
    void squeeze();

  private:
    int m_columns;
    QByteArray m_text;
    QList<qsizetype> m_ends;
};

} // namespace dp::exports
