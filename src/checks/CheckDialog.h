#pragma once

#include "checks/CheckRules.h"
#include "ui/FieldConventions.h"
#include "ui/ToolDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace dp {

// What sets one check screen apart from the others.
struct CheckScreenConfig {
    const char* className;
    const char* caption;     // UTF-8
    const char* instruction; // UTF-8
    FieldConfig field;       // the one edit field: limit, Enter to btnControlla, filter, rewrite
    bool rewriteOnKeyUp;     // the rewrite also runs after every key release in the field
    checks::CheckResult (*check)(const QString& text);
};

// A check screen: an instruction, one field, "Controlla" and "Chiudi". A check reports its
// outcome once; an incomplete entry keeps the screen open with the focus in the field, any
// other outcome closes it.
class CheckDialog : public ToolDialog {
    Q_OBJECT
  public:
    CheckDialog(AppContext& ctx, QWidget* owner, const CheckScreenConfig& def);

    // Puts a value into the field as the opener hands it in: not filtered, not cut.
    void setValue(const QString& value);
    QString value() const;

    void btnControllaClick();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const CheckScreenConfig& m_config;
    QLabel* m_title;
    QLineEdit* m_field;
    QPushButton* m_check;
    QPushButton* m_close;
};

} // namespace dp
