#include "ui/Style.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMargins>
#include <QPixmap>

namespace dp::style {

namespace {

// The frame of a band named `name`, drawn as `look` says, with its row.
struct Band {
    QFrame* frame;
    QHBoxLayout* layout;
};
Band makeBand(QWidget* parent, const char* name, const QString& look, const QMargins& margins) {
    Band band{new QFrame(parent), nullptr};
    band.frame->setObjectName(QLatin1String(name));
    band.frame->setStyleSheet(QStringLiteral("QFrame#%1 { %2 }").arg(QLatin1String(name), look));
    band.layout = new QHBoxLayout(band.frame);
    band.layout->setContentsMargins(margins);
    return band;
}

} // namespace

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

QString loginSheet(const QString& screen, const QString& captions, const QString& fields) {
    return QStringLiteral("#%1 { background: %4; }"
                          "%2 { color: %5; font-size: 11pt; }"
                          "%3 { font-size: 13pt; padding: 3px 8px; border: 1px solid %6;"
                          "  border-radius: 3px; background: white; }"
                          "QPushButton { font-size: 10pt; padding: 4px 14px; }")
        .arg(screen, captions, fields, QLatin1String(kLoginBack), QLatin1String(kInk),
             QLatin1String(kLoginBorder));
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
    const Band band = makeBand(parent, "bkgIntestazione",
                               QStringLiteral("background: %1; border: 1px solid %2; "
                                              "border-radius: 4px;")
                                   .arg(QLatin1String(kHeadingBack), QLatin1String(kHeadingBorder)),
                               QMargins(14, 6, 10, 6));
    auto* label = new QLabel(title, band.frame);
    label->setObjectName(titleName);
    QFont f = label->font();
    f.setPointSizeF(f.pointSizeF() * kTitleScale);
    f.setBold(true);
    label->setFont(f);
    band.layout->addWidget(label, 1);
    return {band.frame, band.layout, label};
}

LogoBand makeLogoBand(QWidget* parent, const QPixmap& logo, const QMargins& margins, int height) {
    const Band band = makeBand(parent, "bkgTitolo",
                               QStringLiteral("background: qlineargradient(x1:0, y1:0, x2:1, y2:1, "
                                              "stop:0 %1, stop:1 %2);")
                                   .arg(QLatin1String(kInk), QLatin1String(kLogoBandEnd)),
                               margins);
    if (height > 0)
        band.frame->setFixedHeight(height);
    auto* label = new QLabel(band.frame);
    label->setObjectName(QStringLiteral("imgLogo"));
    label->setPixmap(logo);
    band.layout->addWidget(label);
    band.layout->addStretch();
    return {band.frame, band.layout, label};
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
