#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace dp {

class AppContext;

// Replaces the access password: the old one, the new one twice. Reached from the login
// screen, which it shows again, emptied, whenever it closes.
class TfrmCambiaPassword final : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmCambiaPassword(AppContext& ctx);

    void cmdOKClick();
    void cmdEsciClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormShow();
    void updateOK();
    void fail();

    AppContext& m_ctx;
    QLineEdit* m_txtPasswordOld;
    QLineEdit* m_txtPasswordNew;
    QLineEdit* m_txtConferma;
    QPushButton* m_cmdOK;
    QPushButton* m_cmdEsci;
    QLabel* m_lblMemory;
    bool m_centred = false;
};

} // namespace dp
