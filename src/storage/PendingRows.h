#pragma once

#include "storage/TextRows.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class QAbstractItemModel;
class QModelIndex;

namespace dp {

// What a model over TextRows shows while its view paints, which must never wait for a lock:
// a row whose file another program holds locked now shows kNotYetRead, and a moment later the
// model tells the view that the rows it could not read changed, so that it asks for them
// again; they fill in once the lock is let go.
class PendingRows final : public QObject {
    Q_OBJECT
  public:
    static const QString kNotYetRead; // "…"

    explicit PendingRows(QAbstractItemModel* model);

    // The text of the cell at `index` (its column in `rows`: `column`), made in `buffer`.
    QString text(const TextRows& rows, const QModelIndex& index, int column, QByteArray& buffer);
    // The rows were replaced: nothing is pending.
    void clear();

  Q_SIGNALS:
    // Rows have stayed locked for longer than a wait for a lock lasts; told once until clear().
    void stillBusy();

  private:
    void retry();

    QAbstractItemModel* m_model;
    QTimer m_timer;
    int m_first = -1;
    int m_last = -1;
    QElapsedTimer m_since;    // since rows are found locked
    QElapsedTimer m_lastBusy; // since a row was last found locked
    bool m_told = false;
};

} // namespace dp
