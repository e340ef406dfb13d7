#include "attachments/FrameRelay.h"

#include <QSemaphore>
#include <QThread>
#include <QVideoFrame>

#include <memory>

namespace dp {

FrameRelay::FrameRelay(QObject* parent) : QObject(parent) {}

void FrameRelay::setOpen(bool open) {
    m_open->store(open);
}

void FrameRelay::show(const QVideoFrame& frame) {
    if (!m_open->load() || !frame.isValid())
        return;
    const QImage picture = frame.toImage();
    if (!picture.isNull())
        Q_EMIT pictureReady(picture);
}

void FrameRelay::deliver(const QVideoFrame& frame) {
    const std::shared_ptr<std::atomic<bool>> open = m_open;
    if (!open->load())
        return;
    if (QThread::currentThread() == thread()) {
        show(frame);
        return;
    }
    auto done = std::make_shared<QSemaphore>();
    QMetaObject::invokeMethod(
        this,
        [this, frame, done] {
            show(frame);
            done->release();
        },
        Qt::QueuedConnection);
    while (!done->tryAcquire(1, 20))
        if (!open->load())
            return;
}

} // namespace dp
