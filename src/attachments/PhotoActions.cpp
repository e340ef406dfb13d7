#include "attachments/PhotoActions.h"

#include "attachments/Camera.h"
#include "attachments/PhotoBox.h"
#include "attachments/PhotoFiles.h"
#include "attachments/TfrmWebCam.h"
#include "attachments/TfrmZoom.h"

#include <QAbstractButton>
#include <QWidget>

namespace dp {

PhotoActions::PhotoActions(AppContext& ctx, QWidget* sheet, PhotoBox* photo)
    : QObject(sheet), m_ctx(ctx), m_sheet(sheet), m_photo(photo) {
    setObjectName(QStringLiteral("PhotoActions"));
    const std::pair<const char*, void (PhotoActions::*)()> buttons[] = {
        {"btnCaricaFoto", &PhotoActions::btnCaricaFotoClick},
        {"btnAcquisisciFoto", &PhotoActions::btnAcquisisciFotoClick},
        {"btnSalvaFoto", &PhotoActions::btnSalvaFotoClick},
        {"btnZoomFoto", &PhotoActions::btnZoomFotoClick},
        {"btnCancFoto", &PhotoActions::btnCancFotoClick},
    };
    for (const auto& [name, handler] : buttons)
        if (auto* b = sheet->findChild<QAbstractButton*>(QLatin1String(name)))
            connect(b, &QAbstractButton::clicked, this, handler);
}

void PhotoActions::btnCaricaFotoClick() {
    // A file that holds no readable picture leaves the placeholder.
    if (const auto picked = photofiles::pickPicture(m_ctx, m_sheet))
        m_photo->setPicture(*picked);
}

void PhotoActions::btnAcquisisciFotoClick() {
    TfrmWebCam camera(m_ctx, m_sheet, cameraFactory ? cameraFactory() : nullptr);
    if (camera.exec() == QDialog::Accepted)
        m_photo->setPicture(camera.picture());
}

void PhotoActions::btnSalvaFotoClick() {
    photofiles::savePictureAs(m_ctx, m_sheet, m_photo->picture());
}

void PhotoActions::btnZoomFotoClick() {
    TfrmZoom zoom(m_ctx, m_sheet);
    zoom.setPicture(m_photo->picture());
    zoom.exec();
}

void PhotoActions::btnCancFotoClick() {
    m_photo->showPlaceholder();
}

} // namespace dp
