#include "ui/LineListModel.h"

#include "storage/KeptLines.h"
#include "storage/PendingRows.h"
#include "storage/Win1252.h"

#include <limits>

namespace dp {

LineListModel::LineListModel(QObject* parent)
    : QAbstractTableModel(parent), m_pending(new PendingRows(this)) {
    // Rows locked for as long as an action would wait are told as a busy archive.
    connect(m_pending, &PendingRows::stillBusy, this, [this] {
        if (m_failureTold)
            return;
        m_failureTold = true;
        Q_EMIT rowsFailed(true);
    });
}

void LineListModel::setRows(std::shared_ptr<const TextRows> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    m_failureTold = false;
    m_pending->clear();
    endResetModel();
}

void LineListModel::setLines(const QStringList& lines) {
    auto kept = std::make_shared<KeptLines>();
    for (const QString& l : lines)
        kept->append(win1252::encode(l));
    setRows(std::move(kept));
}

void LineListModel::setLines(QByteArray text, QList<qsizetype> ends) {
    setRows(std::make_shared<KeptLines>(std::move(text), std::move(ends)));
}

void LineListModel::clear() {
    setRows(nullptr);
}

void LineListModel::setItemSize(const QSize& size) {
    m_itemSize = size;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                           {Qt::SizeHintRole});
}

int LineListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_rows)
        return 0;
    return int(std::min<qsizetype>(m_rows->count(), std::numeric_limits<int>::max()));
}

int LineListModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return m_rows ? m_rows->columnCount() : 1;
}

QVariant LineListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        // Drawn while the view paints: never waits for a lock.
        const QString text = m_pending->text(*m_rows, index, index.column(), m_buffer);
        noticeFailure();
        return text;
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_rows->alignment(index.column()));
    case Qt::SizeHintRole:
        return m_itemSize.isValid() ? QVariant(m_itemSize) : QVariant();
    default:
        return {};
    }
}

QVariant LineListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && m_rows)
        return m_rows->header(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

QString LineListModel::line(int row) const {
    if (row < 0 || row >= rowCount())
        return {};
    return m_rows->line(row);
}

QStringList LineListModel::lines() const {
    QStringList out;
    out.reserve(rowCount());
    for (int i = 0; i < rowCount(); ++i)
        out.append(line(i));
    return out;
}

void LineListModel::startWalk() {
    if (!m_rows)
        return;
    m_rows->forgetFailure();
    m_failureTold = false;
}

bool LineListModel::lineContains(int row, const ByteKey& key) const {
    if (row < 0 || row >= rowCount())
        return false;
    const bool contains = m_rows->contains(row, key, m_buffer);
    noticeFailure();
    return contains;
}

void LineListModel::noticeFailure() const {
    if (m_failureTold || !m_rows->failed())
        return;
    m_failureTold = true;
    // Found while the view or a walk reads, hence from const methods.
    Q_EMIT const_cast<LineListModel*>(this)->rowsFailed(m_rows->busy());
}

} // namespace dp
