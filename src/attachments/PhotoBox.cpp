#include "attachments/PhotoBox.h"

#include "attachments/PhotoStore.h"

#include <QPainter>

namespace dp {

PhotoBox::PhotoBox(QWidget* parent)
    : QFrame(parent), m_placeholder(attachments::PhotoStore::placeholder()) {
    setFixedSize(attachments::PhotoStore::kBoxSize);
    setFrameShape(QFrame::NoFrame);
}

QImage PhotoBox::picture() const {
    return m_photo.isNull() ? m_placeholder : m_photo;
}

void PhotoBox::setPicture(const QImage& picture) {
    m_photo = picture;
    m_storedAt = 0;
    update();
}

void PhotoBox::setStoredPicture(const QImage& picture, qint64 position) {
    setPicture(picture);
    m_storedAt = picture.isNull() ? 0 : position;
}

void PhotoBox::showPlaceholder() {
    setPicture(QImage());
}

QSize PhotoBox::sizeHint() const {
    return attachments::PhotoStore::kBoxSize;
}

void PhotoBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0xf4, 0xf5, 0xf7));
    const QImage& img = m_photo.isNull() ? m_placeholder : m_photo;
    if (img.isNull())
        return;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(fitted(img.size(), rect()), img);
}

QRect PhotoBox::fitted(QSize picture, const QRect& area) {
    if (picture.isEmpty())
        return QRect();
    const QSize target = picture.scaled(area.size(), Qt::KeepAspectRatio);
    return QRect(area.topLeft() + QPoint((area.width() - target.width()) / 2,
                                         (area.height() - target.height()) / 2),
                 target);
}

} // namespace dp
