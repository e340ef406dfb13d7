#include "attachments/TfrmWebCam.h"

#include "attachments/PhotoBox.h"
#include "attachments/PhotoFiles.h"
#include "attachments/QtCamera.h"
#include "ui/AppContext.h"
#include "ui/Platform.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace dp {

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QLabel* heading(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

} // namespace

TfrmWebCam::TfrmWebCam(AppContext& ctx, QWidget* owner, std::unique_ptr<Camera> camera)
    : ToolDialog(ctx, owner, QStringLiteral("TfrmWebCam"),
                 QStringLiteral(" Cattura foto con webcam")),
      m_camera(camera ? camera.release() : new QtCamera), m_live(new PhotoBox(this)),
      m_target(new PhotoBox(this)),
      m_on(button(this, "btnAccendi", QStringLiteral("Accendi webcam"))),
      m_off(button(this, "btnSpegni", QStringLiteral("Spegni webcam"))) {
    m_camera->setParent(this);
    m_camera->setObjectName(QStringLiteral("camCamera"));
    m_live->setObjectName(QStringLiteral("imgCamera"));
    m_target->setObjectName(QStringLiteral("imgTarget"));

    auto* capture = button(this, "btnCattura", QStringLiteral("Cattura foto"));
    auto* save = button(this, "btnSalvaFotogramma", QStringLiteral("Salva foto su disco"));
    auto* import = button(this, "btnImportaFoto", QStringLiteral("Importa foto in scheda"));
    auto* cancel = button(this, "btnClose", QStringLiteral("Annulla"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(8);
    grid->addWidget(heading(this, "titCamera", QStringLiteral("Webcam")), 0, 0);
    grid->addWidget(heading(this, "titTarget", QStringLiteral("Foto catturata")), 0, 1);
    grid->addWidget(m_live, 1, 0);
    grid->addWidget(m_target, 1, 1);
    // The grid's two spacings differ, so rows nested in it would get no spacing of their own.
    auto* liveButtons = new QHBoxLayout;
    liveButtons->setSpacing(6);
    liveButtons->addWidget(m_on);
    liveButtons->addWidget(m_off);
    liveButtons->addWidget(capture);
    liveButtons->addStretch(1);
    auto* targetButtons = new QHBoxLayout;
    targetButtons->setSpacing(6);
    targetButtons->addWidget(save);
    targetButtons->addWidget(import);
    targetButtons->addStretch(1);
    grid->addLayout(liveButtons, 2, 0);
    grid->addLayout(targetButtons, 2, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(12);
    layout->addLayout(grid);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_camera, &Camera::pictureReady, m_live, &PhotoBox::setPicture);
    connect(m_camera, &Camera::failed, this, [this] {
        showRunning(false);
        context().platform().notice(
            this, NoticeKind::Error,
            QStringLiteral("Attenzione: la webcam ha smesso di funzionare oppure è usata da un "
                           "altro programma."));
    });
    connect(m_on, &QPushButton::clicked, this, &TfrmWebCam::btnAccendiClick);
    connect(m_off, &QPushButton::clicked, this, &TfrmWebCam::btnSpegniClick);
    connect(capture, &QPushButton::clicked, this, &TfrmWebCam::btnCatturaClick);
    connect(save, &QPushButton::clicked, this, &TfrmWebCam::btnSalvaFotogrammaClick);
    connect(import, &QPushButton::clicked, this, &TfrmWebCam::btnImportaFotoClick);
    connect(cancel, &QPushButton::clicked, this, &TfrmWebCam::btnCloseClick);
    showRunning(false);
}

TfrmWebCam::~TfrmWebCam() {
    m_camera->stop();
}

QImage TfrmWebCam::picture() const {
    return m_target->hasPhoto() ? m_target->picture() : QImage();
}

void TfrmWebCam::showRunning(bool running) {
    m_on->setEnabled(!running);
    m_off->setEnabled(running);
    if (!running)
        m_live->showPlaceholder();
}

void TfrmWebCam::btnAccendiClick() {
    if (!m_camera->start()) {
        context().platform().notice(
            this, NoticeKind::Warning,
            QStringLiteral("Attenzione: non è stata trovata nessuna webcam collegata al computer."
                           "\r\n\r\nCollegare una webcam e premere di nuovo \"Accendi webcam\"."));
        return;
    }
    showRunning(true);
}

void TfrmWebCam::btnSpegniClick() {
    m_camera->stop();
    showRunning(false);
}

void TfrmWebCam::btnCatturaClick() {
    m_target->setPicture(m_live->hasPhoto() ? m_live->picture() : QImage());
}

void TfrmWebCam::btnSalvaFotogrammaClick() {
    photofiles::savePictureAs(context(), this, m_target->picture());
}

void TfrmWebCam::btnImportaFotoClick() {
    accept();
}

void TfrmWebCam::btnCloseClick() {
    reject();
}

void TfrmWebCam::done(int result) {
    // Whichever way the screen closes, the camera goes off first.
    m_camera->stop();
    showRunning(false);
    ToolDialog::done(result);
}

} // namespace dp
