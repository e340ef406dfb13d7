#pragma once

#include <QImage>
#include <QObject>

namespace dp {

// A camera as the camera screen sees it: switched on and off, delivering pictures on the
// user-interface thread. The system's default camera is QtCamera; tests feed their own.
class Camera : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // Switches the camera on; false when the computer has no camera.
    virtual bool start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

  Q_SIGNALS:
    // One frame, turned into a picture, on the user-interface thread.
    void pictureReady(const QImage& picture);
    // The camera stopped on its own (unplugged, taken by another program).
    void failed();
};

} // namespace dp
