#pragma once

#include "attachments/Camera.h"

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

} // namespace dp::test
