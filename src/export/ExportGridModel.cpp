#include "export/ExportGridModel.h"

#include "storage/PendingRows.h"

namespace dp {

ExportGridModel::ExportGridModel(const exports::ExportConfig& config, QObject* parent)
    : QAbstractTableModel(parent), m_config(config), m_pending(new PendingRows(this)) {}

void ExportGridModel::setRows(std::shared_ptr<const TextRows> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    m_pending->clear();
    endResetModel();
}

int ExportGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_rows)
        return 0;
    return int(qMin<qint64>(m_rows->count(), INT_MAX));
}

int ExportGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_config.columnCount() + 1;
}

QVariant ExportGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !m_rows)
        return {};
    const int column = index.column() - 1;
    if (role == Qt::TextAlignmentRole) {
        const bool right = column < 0 || m_config.columns[column].kind == exports::CellKind::Right;
        return QVariant::fromValue(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role != Qt::DisplayRole)
        return {};
    if (column < 0)
        return QString::number(index.row() + 1);
    // A journal that has become unreadable gives empty cells; one locked now, cells not yet
    // read: painting never waits for the lock.
    return m_pending->text(*m_rows, index, column, m_buffer);
}

QVariant ExportGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return QStringLiteral("N.");
    return m_config.gridHeader(section - 1);
}

} // namespace dp
