#include "ui/AreaScreen.h"

#include "ui/AppContext.h"

#include <QCloseEvent>
#include <QShowEvent>

namespace dp {

AreaScreen::AreaScreen(AppContext& ctx, const QString& className, const QString& caption)
    : QWidget(nullptr), m_ctx(ctx)
{
    setObjectName(className);
    setWindowTitle(caption);
}

void AreaScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void AreaScreen::closeEvent(QCloseEvent* event)
{
    if (QWidget* menu = m_ctx.screen(QStringLiteral("TfrmAvvio")))
        menu->show();
    event->accept();
    hide();
}

} // namespace dp
