#include "ui/AreaScreen.h"

#include "ui/AppContext.h"

#include <QCloseEvent>
#include <QShowEvent>

namespace dp {

AreaScreen::AreaScreen(AppContext& ctx, const QString& className, const QString& caption,
                       Placement placement)
    : QWidget(nullptr), m_ctx(ctx), m_placement(placement) {
    setObjectName(className);
    setWindowTitle(caption);
}

void AreaScreen::setVisible(bool visible) {
    if (visible && !m_placed) {
        m_placed = true;
        placeWindow(this, m_placement);
    }
    QWidget::setVisible(visible);
}

void AreaScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void AreaScreen::closeEvent(QCloseEvent* event) {
    if (QWidget* menu = m_ctx.screen(QStringLiteral("TfrmAvvio")))
        menu->show();
    event->accept();
    hide();
}

} // namespace dp
