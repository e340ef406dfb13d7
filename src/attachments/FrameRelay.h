#pragma once

#include <QImage>
#include <QObject>

#include <atomic>
#include <memory>

class QVideoFrame;

namespace dp {

// Hands the frames a camera delivers on its own thread to the user-interface thread, which
// turns each into a picture; the camera's thread waits until that is done, so frames never
// pile up. Closing the relay drops further frames and frees a waiting camera thread, so that
// stopping the camera from the user-interface thread cannot wait on a thread waiting on it.
class FrameRelay final : public QObject {
    Q_OBJECT
  public:
    explicit FrameRelay(QObject* parent = nullptr); // lives on the user-interface thread

    void setOpen(bool open);
    bool isOpen() const { return m_open->load(); }
    // Callable from any thread.
    void deliver(const QVideoFrame& frame);

  Q_SIGNALS:
    void pictureReady(const QImage& picture);

  private:
    void show(const QVideoFrame& frame);
    // Shared with a waiting camera thread, which may still look at it after a stop.
    std::shared_ptr<std::atomic<bool>> m_open = std::make_shared<std::atomic<bool>>(false);
};

} // namespace dp
