#include "storage/RecordRows.h"

namespace dp {

RecordRows::RecordRows(std::shared_ptr<RecordReader> reader,
                       std::shared_ptr<const RecordFormat> format)
    : m_reader(std::move(reader)), m_format(std::move(format)) {}

RecordRows::RecordRows(std::shared_ptr<RecordReader> reader,
                       std::shared_ptr<const RecordFormat> format, std::vector<quint32> picked)
    : m_reader(std::move(reader)), m_format(std::move(format)),
      m_picked(std::make_shared<const std::vector<quint32>>(std::move(picked))) {}

qsizetype RecordRows::count() const {
    if (!m_reader)
        return 0;
    return m_picked ? qsizetype(m_picked->size()) : qsizetype(m_reader->count());
}

qint64 RecordRows::position(qsizetype row) const {
    if (row < 0 || row >= count())
        return 0;
    return (m_picked ? qint64((*m_picked)[size_t(row)]) : qint64(row)) + 1;
}

const char* RecordRows::record(qsizetype row) const {
    const qint64 p = position(row);
    return p ? m_reader->record(p - 1) : nullptr;
}

int RecordRows::columnCount() const {
    return m_format ? m_format->columnCount() : 1;
}

void RecordRows::cell(qsizetype row, int column, QByteArray& out) const {
    if (const char* r = record(row))
        m_format->write(r, position(row), column, out);
}

bool RecordRows::tryCell(qsizetype row, int column, QByteArray& out) const {
    const qint64 p = position(row);
    if (!p)
        return true;
    bool busyNow = false;
    if (const char* r = m_reader->tryRecord(p - 1, busyNow))
        m_format->write(r, p, column, out);
    return !busyNow;
}

QString RecordRows::header(int column) const {
    return m_format ? m_format->header(column) : QString();
}

Qt::Alignment RecordRows::alignment(int column) const {
    return m_format ? m_format->alignment(column) : TextRows::alignment(column);
}

qsizetype RecordRows::maxLength(int column) const {
    if (column >= 0 && column < m_maxLength.size() && m_maxLength[column] >= 0)
        return m_maxLength[column];
    return m_format ? m_format->maxLength(column) : -1;
}

void RecordRows::setMaxLength(int column, qsizetype length) {
    if (column < 0)
        return;
    while (m_maxLength.size() <= column)
        m_maxLength.append(-1);
    m_maxLength[column] = length;
}

} // namespace dp
