#include "warehouse/TfrmIstruzioni.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace dp {

namespace {

// The picture: the stock field of the sheet with its two buttons, and what each one does.
QPixmap instructionsPicture() {
    const QSize size(520, 232);
    QPixmap pm(size);
    pm.fill(QColor(0xfb, 0xfc, 0xfd));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QFont base(QStringLiteral("Arial"));
    base.setPixelSize(15);
    QFont bold = base;
    bold.setBold(true);
    const QColor ink(0x26, 0x2f, 0x3a);
    const QColor green(0x2e, 0x9d, 0x4f);
    const QColor red(0xc8, 0x3a, 0x32);

    p.setPen(QColor(0xd6, 0xd9, 0xde));
    p.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));

    // The stock field as it looks on the sheet.
    p.setFont(base);
    p.setPen(ink);
    p.drawText(QRectF(24, 34, 90, 28), Qt::AlignVCenter | Qt::AlignRight,
               QStringLiteral("Giacenza:"));
    p.setBrush(QColor(0xee, 0xf0, 0xf3));
    p.setPen(QColor(0x9a, 0xa4, 0xb1));
    p.drawRect(QRectF(124, 34, 70, 28));
    p.setPen(ink);
    p.drawText(QRectF(124, 34, 62, 28), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("12"));

    auto button = [&](qreal x, const QColor& c, const QString& sign) {
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawRoundedRect(QRectF(x, 32, 32, 32), 6, 6);
        QFont f = bold;
        f.setPixelSize(24);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(x, 31, 32, 32), Qt::AlignCenter, sign);
    };
    button(206, green, QStringLiteral("+"));
    button(246, red, QStringLiteral("\u2212"));

    // Arrows from the buttons to their explanations.
    p.setPen(QPen(green, 2));
    p.drawLine(QPointF(222, 66), QPointF(222, 104));
    p.setPen(QPen(red, 2));
    p.drawLine(QPointF(262, 66), QPointF(262, 84));
    p.drawLine(QPointF(262, 84), QPointF(300, 84));

    p.setFont(bold);
    p.setPen(red);
    p.drawText(QRectF(306, 72, 200, 24), Qt::AlignVCenter,
               QStringLiteral("Scarico: merce in uscita"));
    p.setPen(green);
    p.drawText(QRectF(120, 108, 220, 24), Qt::AlignVCenter,
               QStringLiteral("Carico: merce in entrata"));

    p.setFont(base);
    p.setPen(ink);
    p.drawText(QRectF(24, 146, size.width() - 48, 80), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("La giacenza non si scrive a mano: si aggiorna registrando un "
                              "movimento con i pulsanti + e \u2212 accanto al campo Giacenza. "
                              "Indicare la quantità, premere \"Applica e chiudi\" e poi Salva "
                              "nella scheda del prodotto."));
    p.end();
    return pm;
}

} // namespace

TfrmIstruzioni::TfrmIstruzioni(AppContext& ctx, QWidget* owner)
    : ToolDialog(ctx, owner, QStringLiteral("TfrmIstruzioni"),
                 QStringLiteral(" Istruzioni per aggiornamento giacenza")) {
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgIstruzioni"));
    picture->setPixmap(instructionsPicture());

    auto* close = new QPushButton(QStringLiteral("Chiudi"), this);
    close->setObjectName(QStringLiteral("btnChiudi"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &TfrmIstruzioni::btnChiudiClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(12);
    layout->addWidget(picture);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

void TfrmIstruzioni::btnChiudiClick() {
    accept();
}

} // namespace dp
