#include "attachments/QtCamera.h"

#include "attachments/FrameRelay.h"

#include <QCamera>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QVideoSink>

namespace dp {

QtCamera::QtCamera(QObject* parent) : Camera(parent), m_relay(new FrameRelay(this)) {
    connect(m_relay, &FrameRelay::pictureReady, this, &Camera::pictureReady);
}

QtCamera::~QtCamera() {
    stop();
    // The session and the sink go before the relay that their frames reach.
    delete m_session;
    delete m_camera;
    delete m_sink;
}

bool QtCamera::start() {
    if (!m_camera) {
        const QCameraDevice device = QMediaDevices::defaultVideoInput();
        if (device.isNull())
            return false;
        m_camera = new QCamera(device);
        m_sink = new QVideoSink;
        m_session = new QMediaCaptureSession;
        m_session->setCamera(m_camera);
        m_session->setVideoSink(m_sink);
        // Frames arrive on the camera's thread; the relay takes them over from there. That
        // thread holds only the inlet, which a frame still in flight at teardown may reach.
        connect(
            m_sink, &QVideoSink::videoFrameChanged, m_sink,
            [inlet = m_relay->inlet()](const QVideoFrame& frame) { inlet(frame); },
            Qt::DirectConnection);
        connect(m_camera, &QCamera::errorOccurred, this, [this](QCamera::Error error) {
            if (error == QCamera::NoError)
                return;
            stop();
            Q_EMIT failed();
        });
    }
    m_relay->setOpen(true);
    m_camera->start();
    return true;
}

void QtCamera::stop() {
    m_relay->setOpen(false);
    if (m_camera)
        m_camera->stop();
}

bool QtCamera::isActive() const {
    return m_camera && m_camera->isActive();
}

} // namespace dp
