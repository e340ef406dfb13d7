#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace dp {

class AppContext;

// The login screen, the program's main window: the password typed here opens the main menu.
// It has no window buttons, so it is left only through its own buttons.
class TfrmPassword final : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmPassword(AppContext& ctx);

    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();
    // The password change screen hands back here: an empty password box with the focus.
    void showAfterPasswordChange();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormShow();
    void updateOK();

    AppContext& m_ctx;
    QLabel* m_lblRigo05;
    QLineEdit* m_txtPassword;
    QPushButton* m_cmdOK;
    QPushButton* m_cmdEsci;
    QPushButton* m_btnCambiaPassword;
    QLabel* m_imgLogo;
    QLabel* m_lblMemory;
    bool m_centred = false;
};

} // namespace dp
