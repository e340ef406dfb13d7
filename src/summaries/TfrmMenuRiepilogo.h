#pragma once

#include "ui/AreaScreen.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace dp {

// The inventory's selection: an optional category, then "Visualizza" opens the list.
class TfrmMenuRiepilogo final : public AreaScreen {
    Q_OBJECT
  public:
    explicit TfrmMenuRiepilogo(AppContext& ctx);

  public Q_SLOTS:
    void btnVisualizzaClick();
    void btnVerificaClick();
    void imgEsciClick();

  protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* m_tipologia;
    QPushButton* m_visualizza;
    QToolButton* m_esci;
    QToolButton* m_guida;
    QLabel* m_attendere;
};

} // namespace dp
