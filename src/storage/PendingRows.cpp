#include "storage/PendingRows.h"

#include "storage/RecordFile.h"
#include "storage/Win1252.h"

#include <QAbstractItemModel>

#include <algorithm>

namespace dp {

namespace {

// Often enough that rows fill soon after a save elsewhere lets the lock go, seldom enough
// that a long lock costs nothing.
constexpr int kRetryMs = 250;

} // namespace

const QString PendingRows::kNotYetRead = QStringLiteral("\u2026");

PendingRows::PendingRows(QAbstractItemModel* model) : QObject(model), m_model(model) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kRetryMs);
    connect(&m_timer, &QTimer::timeout, this, &PendingRows::retry);
}

QString PendingRows::text(const TextRows& rows, const QModelIndex& index, int column,
                          QByteArray& buffer) {
    buffer.resize(0);
    if (rows.tryCell(index.row(), column, buffer))
        return win1252::decode(buffer.constData(), buffer.size());
    const int row = index.row();
    m_first = m_first < 0 ? row : std::min(m_first, row);
    m_last = std::max(m_last, row);
    // Rows found locked again at every retry: the same lock, held all along.
    if (!m_since.isValid() || m_lastBusy.elapsed() > 4 * kRetryMs)
        m_since.start();
    m_lastBusy.start();
    if (!m_told && m_since.elapsed() > RecordFile::lockWait().count()) {
        m_told = true;
        Q_EMIT stillBusy();
    }
    if (!m_timer.isActive())
        m_timer.start();
    return kNotYetRead;
}

void PendingRows::clear() {
    m_timer.stop();
    m_first = m_last = -1;
    m_since.invalidate();
    m_told = false;
}

void PendingRows::retry() {
    if (m_first < 0)
        return;
    const int first = m_first, last = std::min(m_last, m_model->rowCount() - 1);
    m_first = m_last = -1;
    if (first <= last)
        Q_EMIT m_model->dataChanged(m_model->index(first, 0),
                                    m_model->index(last, m_model->columnCount() - 1),
                                    {Qt::DisplayRole});
}

} // namespace dp
