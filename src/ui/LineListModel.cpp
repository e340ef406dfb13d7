#include "ui/LineListModel.h"

#include "storage/Win1252.h"

namespace dp {

LineListModel::LineListModel(QObject* parent) : QAbstractListModel(parent) {}

void LineListModel::setLines(QByteArray text, QList<qsizetype> ends) {
    beginResetModel();
    m_text = std::move(text);
    m_ends = std::move(ends);
    endResetModel();
}

void LineListModel::setLines(const QStringList& lines) {
    QByteArray text;
    QList<qsizetype> ends;
    ends.reserve(lines.size());
    for (const QString& l : lines) {
        text += win1252::encode(l);
        ends.append(text.size());
    }
    setLines(std::move(text), std::move(ends));
}

void LineListModel::clear() {
    setLines(QByteArray(), {});
}

void LineListModel::setItemSize(const QSize& size) {
    m_itemSize = size;
    if (!m_ends.isEmpty())
        Q_EMIT dataChanged(index(0), index(rowCount() - 1), {Qt::SizeHintRole});
}

int LineListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_ends.size());
}

QVariant LineListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return line(index.row());
    case Qt::SizeHintRole:
        return m_itemSize.isValid() ? QVariant(m_itemSize) : QVariant();
    default:
        return {};
    }
}

QString LineListModel::line(int row) const {
    if (row < 0 || row >= m_ends.size())
        return {};
    const qsizetype b = begin(row);
    return win1252::decode(m_text.constData() + b, m_ends[row] - b);
}

QStringList LineListModel::lines() const {
    QStringList out;
    out.reserve(m_ends.size());
    for (int i = 0; i < m_ends.size(); ++i)
        out.append(line(i));
    return out;
}

bool LineListModel::lineContains(int row, const QByteArray& key) const {
    if (key.isEmpty() || row < 0 || row >= m_ends.size())
        return false;
    const qsizetype b = begin(row);
    const qsizetype n = m_ends[row] - b;
    if (key.size() > n)
        return false;
    // Lines are short: fold a copy on the stack and let indexOf do the search.
    char folded[512];
    QByteArray heap;
    char* buf = folded;
    if (n > qsizetype(sizeof folded)) {
        heap.resize(n);
        buf = heap.data();
    }
    const char* src = m_text.constData() + b;
    for (qsizetype i = 0; i < n; ++i)
        buf[i] = (src[i] >= 'A' && src[i] <= 'Z') ? char(src[i] + 32) : src[i];
    return QByteArrayView(buf, n).indexOf(key) >= 0;
}

} // namespace dp
