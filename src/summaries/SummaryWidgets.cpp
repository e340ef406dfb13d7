#include "summaries/SummaryWidgets.h"

#include "ui/Icons.h"
#include "ui/Style.h"

#include <QLabel>
#include <QToolButton>

namespace dp {

QToolButton* makePicture(QWidget* parent, const QString& name, const QString& tip,
                         const QString& kind) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setAutoRaise(true);
    b->setToolTip(tip);
    b->setIconSize(QSize(style::kToolIcon, style::kToolIcon));
    b->setCursor(Qt::PointingHandCursor);
    if (kind == QLatin1String("help"))
        b->setIcon(icon(Icon::Help));
    else if (kind == QLatin1String("exit"))
        b->setIcon(icon(Icon::Exit));
    else
        b->setIcon(icon(Icon::Export));
    return b;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QLabel* makeWaitingLabel(QWidget* parent, const QString& text) {
    QLabel* l = makeLabel(parent, QStringLiteral("lblAttendere"), text);
    l->setStyleSheet(style::waitingSheet());
    l->hide();
    return l;
}

} // namespace dp
