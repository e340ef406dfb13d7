#pragma once

#include "summaries/MovementSummaryConfig.h"
#include "ui/AreaScreen.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace dp {

// The interval selection of the load summary (TfrmMenuRiepilogoCarico) and of the unload
// summary (TfrmMenuRiepilogoScarico): one screen configured by its MovementSummaryConfig. It
// checks the interval and opens the summary list over the journal.
class MovementSelection final : public AreaScreen {
    Q_OBJECT
  public:
    MovementSelection(AppContext& ctx, const summaries::MovementSummaryConfig& kind);

    const summaries::MovementSummaryConfig& kind() const { return m_kind; }

  public Q_SLOTS:
    void btnVisualizzaClick();
    void btnEsciClick();
    void cmdEsportaClick();
    void lnkEsportaClick();

  protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void btnVisualizzaMouseDown();
    void setLinkColour(const char* colour);
    void txtAnnoChanged();
    QComboBox* makeBox(const QString& name, const QStringList& items);
    void fail(QWidget* focus);
    // The journal of this summary, also shown in lblFile.
    QString journalPath();

    const summaries::MovementSummaryConfig& m_kind;
    QLineEdit* m_tipologia;
    QLineEdit* m_anno;
    QComboBox* m_giornoInizio;
    QComboBox* m_meseInizio;
    QComboBox* m_giornoFine;
    QComboBox* m_meseFine;
    QLabel* m_annoInizio;
    QLabel* m_annoFine;
    QLabel* m_dataInizio;
    QLabel* m_dataFine;
    QLabel* m_attendere;
    QLabel* m_file;
    QPushButton* m_visualizza;
    QPushButton* m_esci;
    QToolButton* m_esporta;
    QLabel* m_lnkEsporta;
};

} // namespace dp
