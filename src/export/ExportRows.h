#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace dp::exports {

// The rows an export shows in its grid and writes to its file: one row per record, each cell
// the trimmed Windows-1252 text of its column (no "N." column).
class ExportRows {
  public:
    virtual ~ExportRows() = default;
    virtual qint64 rowCount() const = 0;
    virtual int columnCount() const = 0;
    // Valid until the next call for another row. A source that reads its archive lazily
    // throws StorageError when it cannot.
    virtual QByteArrayView cell(qint64 row, int column) const = 0;
};

// The cells of an archive taken once, held compactly: their bytes back to back and the end
// offset of each cell, row after row.
class CellSnapshot final : public ExportRows {
  public:
    explicit CellSnapshot(int columns = 0) : m_columns(columns) {}

    qint64 rowCount() const override { return m_columns ? m_ends.size() / m_columns : 0; }
    int columnCount() const override { return m_columns; }
    QByteArrayView cell(qint64 row, int column) const override;

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
