#pragma once

#include "app/HelpTopics.h"
#include "ui/ToolDialog.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace dp {

class LinkLabel;

// The help viewer: one topic's title and text, a link to the whole guide in Guida.pdf
// beside the program, and "Chiudi".
class TfrmGuida final : public ToolDialog {
    Q_OBJECT
  public:
    TfrmGuida(AppContext& ctx, QWidget* owner);

    void setTopic(HelpTopic topic);
    void lnkWebClick();

    static QString guideFileName() { return QStringLiteral("Guida.pdf"); }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* m_lblTitolo;
    QPlainTextEdit* m_txtGuida;
    LinkLabel* m_lnkWeb;
    QLabel* m_imgPDF;
    QPushButton* m_btnChiudi;
};

// What every help button does: a fresh viewer owned by `owner`, filled with the topic,
// shown modally and destroyed when it closes.
void showHelp(AppContext& ctx, QWidget* owner, HelpTopic topic);

} // namespace dp
