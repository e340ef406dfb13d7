#include "ui/Style.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace dp::style {

QString highlightSheet() {
    return QStringLiteral("QFrame { background: %1; border: 2px solid qlineargradient(x1:0, y1:0, "
                          "x2:0, y2:1, stop:0 %1, stop:1 #ffffff); border-radius: 2px; }")
        .arg(QLatin1String(kHighlight));
}

QString readOnlySheet(bool bold) {
    return QStringLiteral("QLineEdit { background: %1; color: %2;%3 }")
        .arg(QLatin1String(kReadOnlyBack), QLatin1String(kReadOnlyText),
             bold ? QStringLiteral(" font-weight: bold;") : QString());
}

QString statusLineSheet(const QString& name) {
    return QStringLiteral("QLabel#%1 { background: %2; border: 1px solid %3; border-radius: 3px; "
                          "padding: 3px 8px; }")
        .arg(name, QLatin1String(kStatusBack), QLatin1String(kStatusBorder));
}

QString waitingSheet() {
    return QStringLiteral("QLabel { color: %1; font-weight: bold; }").arg(QLatin1String(kWaiting));
}

QString boldSheet() {
    return QStringLiteral("QLabel { font-weight: bold; }");
}

QString movementSheet(bool load) {
    return QStringLiteral("QLineEdit { background: %1; color: %2; }")
        .arg(QLatin1String(load ? kLoadBack : kUnloadBack),
             QLatin1String(load ? kLoadText : kUnloadText));
}

QFrame* makeHighlight(QWidget* parent, const QString& name) {
    auto* rect = new QFrame(parent);
    rect->setObjectName(name);
    rect->setAttribute(Qt::WA_TransparentForMouseEvents);
    rect->setStyleSheet(highlightSheet());
    rect->hide();
    return rect;
}

void placeHighlight(QWidget* frame, QWidget* field) {
    if (frame->parentWidget() != field->parentWidget())
        frame->setParent(field->parentWidget());
    const int m = kHighlightMargin;
    frame->setGeometry(field->geometry().adjusted(-m, -m, m, m));
    frame->stackUnder(field);
}

HeadingBand makeHeadingBand(QWidget* parent, const QString& titleName, const QString& title) {
    HeadingBand band{};
    band.frame = new QFrame(parent);
    band.frame->setObjectName(QStringLiteral("bkgIntestazione"));
    band.frame->setStyleSheet(QStringLiteral("QFrame#bkgIntestazione { background: %1; border: 1px "
                                             "solid %2; border-radius: 4px; }")
                                  .arg(QLatin1String(kHeadingBack), QLatin1String(kHeadingBorder)));
    band.title = new QLabel(title, band.frame);
    band.title->setObjectName(titleName);
    QFont f = band.title->font();
    f.setPointSizeF(f.pointSizeF() * kTitleScale);
    f.setBold(true);
    band.title->setFont(f);
    band.layout = new QHBoxLayout(band.frame);
    band.layout->setContentsMargins(14, 6, 10, 6);
    band.layout->addWidget(band.title, 1);
    return band;
}

void boldTitle(QGroupBox* box) {
    QFont plain = box->font();
    plain.setBold(false);
    QFont bold = plain;
    bold.setBold(true);
    box->setFont(bold);
    for (QWidget* child : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setFont(plain);
}

QString titleOf(const QString& caption) {
    const QString prefix = QStringLiteral(" Depotta - ");
    return caption.startsWith(prefix) ? caption.mid(prefix.size()) : caption.trimmed();
}

} // namespace dp::style
