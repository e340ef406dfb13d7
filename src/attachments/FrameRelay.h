#pragma once

#include <QImage>
#include <QObject>

#include <functional>
#include <memory>

class QVideoFrame;

namespace dp {

// Hands the frames a camera delivers on its own thread to the user-interface thread, which
// turns each into a picture; the camera's thread waits until that is done, so frames never
// pile up. Closing the relay drops further frames and frees a waiting camera thread, so that
// stopping the camera from the user-interface thread cannot wait on a thread waiting on it.
// The camera's thread is given an inlet, never the relay itself: a frame still in flight when
// the camera screen closes then reaches only the inlet, which outlives the relay and drops it.
class FrameRelay final : public QObject {
    Q_OBJECT
  public:
    explicit FrameRelay(QObject* parent = nullptr); // lives on the user-interface thread
    ~FrameRelay() override;

    void setOpen(bool open);
    bool isOpen() const;

    using Inlet = std::function<void(const QVideoFrame&)>;
    // Callable from any thread, also once the relay is gone.
    Inlet inlet() const;
    void deliver(const QVideoFrame& frame) { pass(m_gate, frame); }

  Q_SIGNALS:
    void pictureReady(const QImage& picture);

  private:
    struct Gate;
    static void pass(const std::shared_ptr<Gate>& gate, const QVideoFrame& frame);
    void show(const QVideoFrame& frame);

    std::shared_ptr<Gate> m_gate;
};

} // namespace dp
