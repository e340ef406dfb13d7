#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QWidget;

namespace dp {

class AppContext;
class Camera;
class PhotoBox;

// The photo buttons of the product sheet (btnCaricaFoto, btnAcquisisciFoto, btnSalvaFoto,
// btnZoomFoto, btnCancFoto), found on the sheet by name and acting on its photo box. A new
// photo reaches the photo file only when the sheet is saved.
class PhotoActions final : public QObject {
    Q_OBJECT
  public:
    PhotoActions(AppContext& ctx, QWidget* sheet, PhotoBox* photo);

    // The camera the camera screen is given; unset, the system's default camera.
    std::function<std::unique_ptr<Camera>()> cameraFactory;

  public Q_SLOTS:
    void btnCaricaFotoClick();
    void btnAcquisisciFotoClick();
    void btnSalvaFotoClick();
    void btnZoomFotoClick();
    void btnCancFotoClick();

  private:
    AppContext& m_ctx;
    QWidget* m_sheet;
    PhotoBox* m_photo;
};

} // namespace dp
