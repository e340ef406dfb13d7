#pragma once

#include <QDialog>

class QLabel;

namespace dp {

class AppContext;

// A tool screen: created anew by the screen that opens it, shown modally, destroyed when it
// closes. Tools that serve several callers read the caller's tag from the hidden lblMemory.
class ToolDialog : public QDialog {
    Q_OBJECT
  public:
    ToolDialog(AppContext& ctx, QWidget* owner, const QString& className, const QString& caption);

    AppContext& context() const { return m_ctx; }
    QString memory() const;
    void setMemory(const QString& tag);

  private:
    AppContext& m_ctx;
    QLabel* m_memory;
};

} // namespace dp
