#pragma once

#include "storage/RecordReader.h"
#include "storage/TextRows.h"

#include <QList>

#include <memory>
#include <vector>

namespace dp {

// How a record becomes a row: one line (a list) or a few cells (a grid).
class RecordFormat {
  public:
    virtual ~RecordFormat() = default;
    virtual int columnCount() const { return 1; }
    // Appends the Windows-1252 bytes of cell `column` of the record at the 1-based archive
    // `position` to `out`.
    virtual void write(const char* record, qint64 position, int column, QByteArray& out) const = 0;
    virtual QString header(int) const { return {}; }
    virtual Qt::Alignment alignment(int) const { return Qt::AlignLeft | Qt::AlignVCenter; }
    // See TextRows::maxLength.
    virtual qsizetype maxLength(int) const { return -1; }
};

// The rows of a list over records: every record of a reader, or those a scan picked, in
// file order; each row is kept as the position of its record only, and its text is built
// from the record when asked for. Copies share the reader and the positions.
class RecordRows final : public TextRows {
  public:
    RecordRows() = default; // no rows
    // Every record of the reader.
    RecordRows(std::shared_ptr<RecordReader> reader, std::shared_ptr<const RecordFormat> format);
    // The records at these 0-based indices (ascending, below reader->count()).
    RecordRows(std::shared_ptr<RecordReader> reader, std::shared_ptr<const RecordFormat> format,
               std::vector<quint32> picked);

    qsizetype count() const override;
    // The 1-based archive position of the row's record.
    qint64 position(qsizetype row) const;
    // The row's record bytes (valid until the next read), nullptr when unreadable.
    const char* record(qsizetype row) const;

    int columnCount() const override;
    void cell(qsizetype row, int column, QByteArray& out) const override;
    bool tryCell(qsizetype row, int column, QByteArray& out) const override;
    QString header(int column) const override;
    Qt::Alignment alignment(int column) const override;
    qsizetype maxLength(int column) const override;
    bool failed() const override { return m_reader && m_reader->failed(); }
    bool busy() const override { return m_reader && m_reader->busy(); }
    void forgetFailure() const override {
        if (m_reader)
            m_reader->forgetFailure();
    }
    // What the scan found out about the longest cell of a column, when the format cannot say.
    void setMaxLength(int column, qsizetype length);

  private:
    std::shared_ptr<RecordReader> m_reader;
    std::shared_ptr<const RecordFormat> m_format;
    std::shared_ptr<const std::vector<quint32>> m_picked; // null: every record
    QList<qsizetype> m_maxLength;
};

} // namespace dp
