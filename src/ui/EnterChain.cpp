#include "ui/EnterChain.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>

namespace dp {

namespace {

class EnterPresses final : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
};

} // namespace

void pressOnEnter(QWidget* button) {
    auto* b = qobject_cast<QAbstractButton*>(button);
    if (!b || b->findChild<EnterPresses*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    b->installEventFilter(new EnterPresses(b));
}

void enterChainMoveTo(QWidget* next) {
    if (!next)
        return;
    pressOnEnter(next);
    // Walking with Enter is keyboard navigation: the style then draws where the focus is, so
    // a button at the end of a chain shows that Enter will press it.
    next->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    next->setFocus(Qt::TabFocusReason);
}

} // namespace dp
