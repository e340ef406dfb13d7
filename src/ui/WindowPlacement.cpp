#include "ui/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

namespace dp {

void placeWindow(QWidget* window, Placement placement) {
    const QScreen* s = window->screen();
    if (placement == Placement::Maximised) {
        if (s)
            window->setGeometry(s->availableGeometry());
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
        return;
    }
    if (!s)
        return;
    window->adjustSize();
    QRect frame = window->frameGeometry();
    frame.moveCenter(s->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace dp
