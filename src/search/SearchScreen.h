#pragma once

#include "search/RecordListBase.h"
#include "search/RecordLists.h"

#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace dp {

// The archive searches TfrmTrovaClienti, TfrmTrovaFornitori and TfrmTrovaMagazzino: one
// screen configured by its SearchConfig. It opens on the criteria panel panAvvio; a search that
// reads the whole archive replaces it with the result panel panContainer, the record list
// of the records found, from which a double click hands a record to the receiver.
class SearchScreen final : public RecordListBase {
    Q_OBJECT
  public:
    SearchScreen(AppContext& ctx, QWidget* owner, const search::SearchConfig& def);

    // Opens the search modally over `owner` with the caller's tag `mode`; a picked record
    // goes to `receiver`.
    static void open(AppContext& ctx, QWidget* owner, const search::SearchConfig& def,
                     const QString& mode, RecordReceiver& receiver);

  public Q_SLOTS:
    void btnCercaClick();

  protected:
    void FormShow() override;
    void FormClose() override;

  private:
    QWidget* buildCriteria();
    void showResults(bool results);

    const search::SearchConfig& m_def;
    QWidget* m_avvio = nullptr;
    QList<QLineEdit*> m_criteria;
    QLabel* m_conta = nullptr;
    QLabel* m_attendere = nullptr;
    QLabel* m_trovate = nullptr;
    QPushButton* m_cerca = nullptr;
};

} // namespace dp
