#pragma once

#include "attachments/Camera.h"
#include "attachments/FrameRelay.h"

namespace dp::test {

// A camera fed by the test: frames arrive when the test says so, and only while it is on.
class FakeCamera final : public Camera {
  public:
    bool present = true;
    bool active = false;
    bool start() override { return active = present; }
    void stop() override { active = false; }
    bool isActive() const override { return active; }
    void feed(const QImage& picture) {
        if (active)
            Q_EMIT pictureReady(picture);
    }
};

// A camera built as the system's is: its frames come from a thread of their own, through a
// FrameRelay, into whatever that thread was handed when the camera was made.
class ThreadedCamera final : public Camera {
  public:
    ThreadedCamera() : m_relay(new FrameRelay(this)) {
        connect(m_relay, &FrameRelay::pictureReady, this, &Camera::pictureReady);
    }
    // What the camera's thread calls for each frame.
    FrameRelay::Inlet inlet() const { return m_relay->inlet(); }
    bool start() override {
        m_relay->setOpen(true);
        return true;
    }
    void stop() override { m_relay->setOpen(false); }
    bool isActive() const override { return m_relay->isOpen(); }

  private:
    FrameRelay* m_relay;
};

} // namespace dp::test
