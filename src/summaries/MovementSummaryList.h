#pragma once

#include "summaries/MovementList.h"
#include "ui/ToolDialog.h"

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QToolButton;

namespace dp {
class FindInList;
class LineListModel;
} // namespace dp

namespace dp::summaries {

// The summary list of the load journal (TfrmRiepilogoCarico) or of the unload journal
// (TfrmRiepilogoScarico): one screen configured by its MovementKind. It lists the movements
// of the interval once, when shown, and finds and prints lines.
class MovementSummaryList final : public ToolDialog {
    Q_OBJECT
  public:
    MovementSummaryList(AppContext& ctx, QWidget* owner, const MovementKind& kind);

    // What to list; read when the screen is shown.
    void setRequest(const MovementRequest& request) { m_request = request; }
    LineListModel* model() const { return m_model; }

  public Q_SLOTS:
    void btnStampaClick();
    void btnEsciClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    void FormShow();
    void FormClose();

    const MovementKind& m_kind;
    MovementRequest m_request;
    LineListModel* m_model;
    QListView* m_list;
    FindInList* m_find;
    QLabel* m_titTipologia;
    QLabel* m_intervallo;
    QLabel* m_totale;
    QLineEdit* m_trova;
    QPushButton* m_btnTrova;
    QPushButton* m_stampa;
    QPushButton* m_esci;
    QToolButton* m_guida;
};

} // namespace dp::summaries
