#pragma once

#include "summaries/MovementList.h"
#include "ui/ListScreen.h"

namespace dp {

// The summary list of the load journal (TfrmRiepilogoCarico) or of the unload journal
// (TfrmRiepilogoScarico): one screen configured by its MovementSummaryConfig. It lists the
// movements of the interval once, when shown, and finds and prints lines.
class MovementSummaryList final : public ListScreen {
    Q_OBJECT
  public:
    MovementSummaryList(AppContext& ctx, QWidget* owner,
                        const summaries::MovementSummaryConfig& kind);

    // What to list; read when the screen is shown.
    void setRequest(const summaries::MovementRequest& request) { m_request = request; }

    void btnStampaClick() override;

  protected:
    void FormShow() override;
    void FormClose() override;

  private:
    const summaries::MovementSummaryConfig& m_kind;
    summaries::MovementRequest m_request;
    QLabel* m_titTipologia;
    QLabel* m_intervallo;
    QLabel* m_totale;
};

} // namespace dp
