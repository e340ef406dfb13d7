#pragma once

#include "ui/ListScreen.h"

namespace dp {

// The inventory list: the products of a category (or all), each with its value, and the
// total value of the warehouse; finds and prints lines.
class TfrmRiepilogo final : public ListScreen {
    Q_OBJECT
  public:
    TfrmRiepilogo(AppContext& ctx, QWidget* owner);

    // The category filter as typed on the selection screen; read when the list is shown.
    void setFilter(const QString& filter) { m_filter = filter; }

    void btnStampaClick() override;

  protected:
    void FormShow() override;
    void FormClose() override;

  private:
    QString m_filter;
    QLabel* m_titTipologia;
    QLabel* m_totale;
    QLabel* m_panInfo;
};

} // namespace dp
