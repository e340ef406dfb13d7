#include "attachments/FrameRelay.h"

#include <QMutex>
#include <QSemaphore>
#include <QThread>
#include <QVideoFrame>

#include <atomic>

namespace dp {

// Shared by the relay and every inlet. A frame is posted to the relay only under the mutex,
// and the relay leaves under it, so no post can reach a relay being destroyed; a post that
// is still queued when it goes is dropped with it.
struct FrameRelay::Gate {
    std::atomic<bool> open = false;
    QMutex mutex;
    FrameRelay* relay = nullptr;
};

FrameRelay::FrameRelay(QObject* parent) : QObject(parent), m_gate(std::make_shared<Gate>()) {
    m_gate->relay = this;
}

FrameRelay::~FrameRelay() {
    const QMutexLocker lock(&m_gate->mutex);
    m_gate->open = false;
    m_gate->relay = nullptr;
}

void FrameRelay::setOpen(bool open) {
    m_gate->open = open;
}

bool FrameRelay::isOpen() const {
    return m_gate->open;
}

FrameRelay::Inlet FrameRelay::inlet() const {
    return [gate = m_gate](const QVideoFrame& frame) { pass(gate, frame); };
}

void FrameRelay::show(const QVideoFrame& frame) {
    if (!m_gate->open || !frame.isValid())
        return;
    const QImage picture = frame.toImage();
    if (!picture.isNull())
        Q_EMIT pictureReady(picture);
}

void FrameRelay::pass(const std::shared_ptr<Gate>& gate, const QVideoFrame& frame) {
    if (!gate->open)
        return;
    auto done = std::make_shared<QSemaphore>();
    {
        QMutexLocker lock(&gate->mutex);
        FrameRelay* relay = gate->relay;
        if (!relay)
            return;
        if (QThread::currentThread() == relay->thread()) {
            // Only this thread could destroy the relay, and it is busy here.
            lock.unlock();
            relay->show(frame);
            return;
        }
        QMetaObject::invokeMethod(
            relay,
            [relay, frame, done] {
                relay->show(frame);
                done->release();
            },
            Qt::QueuedConnection);
    }
    while (!done->tryAcquire(1, 20))
        if (!gate->open)
            return;
}

} // namespace dp
