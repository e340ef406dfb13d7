#pragma once

#include "export/ExportConfig.h"
#include "export/ExportRows.h"

#include <QAbstractTableModel>

#include <memory>

namespace dp {

class PendingRows;

// The export grid: the column "N." with the 1-based record number, then one column per
// exported field, over the export's rows; cells are made and decoded only when shown.
class ExportGridModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    ExportGridModel(const exports::ExportConfig& config, QObject* parent = nullptr);

    void setRows(std::shared_ptr<const TextRows> rows);
    const std::shared_ptr<const TextRows>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    const exports::ExportConfig& m_config;
    std::shared_ptr<const TextRows> m_rows;
    mutable QByteArray m_buffer;
    PendingRows* m_pending;
};

} // namespace dp
