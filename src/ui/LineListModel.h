#pragma once

#include "storage/TextRows.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QSize>
#include <QStringList>

#include <memory>

namespace dp {

class PendingRows;

// The model of a large list (one line a row) or grid (a few cells a row) over TextRows:
// kept lines, or rows built from records only for what the view shows (RecordRows). The
// text of a cell is made when the view asks for it, in one reused buffer, and decoded from
// Windows-1252 then; a row whose file is locked at that moment shows as not yet read and
// fills in later (PendingRows), as the view must never wait. Used with a QListView with uniform
// item sizes (or a QTableView), so a list of a million lines stays light and quick.
class LineListModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit LineListModel(QObject* parent = nullptr);

    // Shows these rows, sharing them: whoever keeps rows() (a printed list) keeps them alive.
    void setRows(std::shared_ptr<const TextRows> rows);
    // Kept lines, one a row: as text, or as Windows-1252 bytes with the end of each line.
    void setLines(const QStringList& lines);
    void setLines(QByteArray text, QList<qsizetype> ends);
    void clear();
    std::shared_ptr<const TextRows> rows() const { return m_rows; }

    // The size of every item (the width gives the horizontal scroll range).
    void setItemSize(const QSize& size);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Cell 0 of a row (the list line).
    QString line(int row) const;
    QStringList lines() const;
    // Whether the line, its ASCII letters lower-cased, contains the key; an empty key is
    // never contained. Built lines are made in one reused buffer and not kept.
    bool lineContains(int row, const ByteKey& key) const;
    // A walk over every line (a find, a print) starts clean: rows that failed before are
    // read again, waiting for the lock, and a new failure is told again.
    void startWalk();

  Q_SIGNALS:
    // Some row could not be read from its file (busy: another workstation kept it locked);
    // told once for the rows set.
    void rowsFailed(bool busy);

  private:
    void noticeFailure() const;

    std::shared_ptr<const TextRows> m_rows;
    PendingRows* m_pending;
    QSize m_itemSize;
    mutable QByteArray m_buffer;
    mutable bool m_failureTold = false;
};

} // namespace dp
