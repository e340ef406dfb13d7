#include "ui/LinkLabel.h"

#include <QMouseEvent>

namespace dp {

LinkLabel::LinkLabel(const QString& name, const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setColour(normalColour());
}

void LinkLabel::addPicture(QWidget* picture) {
    picture->setCursor(Qt::PointingHandCursor);
    picture->installEventFilter(this);
}

void LinkLabel::setColour(const QColor& colour) {
    // A style sheet of its own, so that no screen's style can recolour the link.
    setStyleSheet(QStringLiteral("QLabel { color: %1; }").arg(colour.name()));
}

void LinkLabel::MouseDown() {
    m_pressed = true;
    setColour(pressedColour());
}

void LinkLabel::MouseUp(bool inside) {
    const bool click = m_pressed && inside;
    m_pressed = false;
    setColour(normalColour());
    if (click)
        Q_EMIT activated();
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        MouseDown();
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        MouseUp(rect().contains(event->position().toPoint()));
    QLabel::mouseReleaseEvent(event);
}

bool LinkLabel::eventFilter(QObject* watched, QEvent* event) {
    auto* picture = qobject_cast<QWidget*>(watched);
    if (picture && (event->type() == QEvent::MouseButtonPress ||
                    event->type() == QEvent::MouseButtonRelease)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            if (event->type() == QEvent::MouseButtonPress)
                MouseDown();
            else
                MouseUp(picture->rect().contains(mouse->position().toPoint()));
            return true;
        }
    }
    return QLabel::eventFilter(watched, event);
}

} // namespace dp
