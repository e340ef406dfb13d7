#pragma once

#include "search/RecordScan.h"
#include "ui/ListScreen.h"

#include <QList>
#include <QString>

namespace dp {

// The record-list component behind every list of archive records (the searches' results,
// the low-stock and unpaid lists, the call-back lists): the sorted lines, each keeping the
// archive position of its record, so that a double click hands exactly that record to the
// receiving sheet; "Trova"; and the printed list under the screen's title.
class RecordListBase : public ListScreen {
    Q_OBJECT
  public:
    RecordListBase(AppContext& ctx, QWidget* owner, const char* className, const char* caption,
                   const RecordLayout& layout, const char* printTitle);

    // The archive position of the record behind a line.
    qint64 positionAt(int row) const { return m_positions.value(row); }

  public Q_SLOTS:
    void btnStampaClick() override;

  protected:
    QString archivePath() const;
    // Puts the lines into the list.
    void setLines(search::RecordList& list);
    void pickLine(int row, RecordReceiver& receiver) override;
    void FormClose() override;

  private:
    const RecordLayout& m_layout;
    QString m_printTitle;
    QList<qint64> m_positions;
};

} // namespace dp
