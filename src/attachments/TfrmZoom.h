#pragma once

#include "ui/ToolDialog.h"

#include <QImage>

class QFrame;

namespace dp {

// " Fai clic sulla foto per chiudere questa finestra": the product photo enlarged on a
// maximised screen, as large as the screen allows with its proportions kept. A click on the
// picture or on the panel around it closes the screen.
class TfrmZoom final : public ToolDialog {
    Q_OBJECT
  public:
    TfrmZoom(AppContext& ctx, QWidget* owner);

    void setPicture(const QImage& picture);
    // Where the picture is drawn, in the coordinates of imgFoto.
    QRect pictureRect() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QFrame* m_panel;
    QWidget* m_picture;
};

} // namespace dp
