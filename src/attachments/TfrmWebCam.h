#pragma once

#include "attachments/Camera.h"
#include "ui/ToolDialog.h"

#include <QImage>

#include <memory>

class QPushButton;

namespace dp {

class PhotoBox;

// " Cattura foto con webcam": a live box fed by the camera and a capture box. The camera is
// off when the screen opens. "Importa foto in scheda" closes it with exec() returning
// Accepted; the opener then puts picture() into its sheet. Annulla and the window's close
// leave the sheet alone. Without a camera given, the system's default one is used.
class TfrmWebCam final : public ToolDialog {
    Q_OBJECT
  public:
    TfrmWebCam(AppContext& ctx, QWidget* owner, std::unique_ptr<Camera> camera = nullptr);
    ~TfrmWebCam() override;

    // The capture box's picture; null while it shows its placeholder.
    QImage picture() const;

  public Q_SLOTS:
    void btnAccendiClick();
    void btnSpegniClick();
    void btnCatturaClick();
    void btnSalvaFotogrammaClick();
    void btnImportaFotoClick();
    void btnCloseClick();

  protected:
    void done(int result) override;

  private:
    void showRunning(bool running);

    Camera* m_camera;
    PhotoBox* m_live;
    PhotoBox* m_target;
    QPushButton* m_on;
    QPushButton* m_off;
};

} // namespace dp
