#pragma once

#include "ui/WindowPlacement.h"

#include <QWidget>

namespace dp {

class AppContext;

// A work area opened from the main menu: closing it, by its exit button or by the window's
// close box, shows the main menu again and hides the area. Area screens live until exit.
class AreaScreen : public QWidget {
    Q_OBJECT
  public:
    AreaScreen(AppContext& ctx, const QString& className, const QString& caption,
               Placement placement = Placement::Centred);

    void setVisible(bool visible) override;

    AppContext& context() const { return m_ctx; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Hook for what an area clears or prepares each time it is shown.
    virtual void FormShow() {}
    void showEvent(QShowEvent* event) override;

  private:
    AppContext& m_ctx;
    Placement m_placement;
    bool m_placed = false;
};

} // namespace dp
