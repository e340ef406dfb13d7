#pragma once

#include "attachments/Camera.h"

class QCamera;
class QMediaCaptureSession;
class QVideoSink;

namespace dp {

class FrameRelay;

// The system's default camera through Qt Multimedia. Nothing of the multimedia backend is
// touched before the first start, so creating the camera screen costs nothing.
class QtCamera final : public Camera {
    Q_OBJECT
  public:
    explicit QtCamera(QObject* parent = nullptr);
    ~QtCamera() override;

    bool start() override;
    void stop() override;
    bool isActive() const override;

  private:
    FrameRelay* m_relay;
    QMediaCaptureSession* m_session = nullptr;
    QCamera* m_camera = nullptr;
    QVideoSink* m_sink = nullptr;
};

} // namespace dp
