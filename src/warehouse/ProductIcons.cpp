#include "warehouse/ProductIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace dp {

namespace {

const QColor kInk(0x33, 0x3d, 0x4a);
const QColor kBlue(0x2f, 0x6f, 0xc4);
const QColor kGreen(0x2e, 0x9d, 0x4f);
const QColor kRed(0xc8, 0x3a, 0x32);
const QColor kGold(0xe0, 0xa8, 0x1e);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kBrown(0xb5, 0x83, 0x4f);

QPen pen(const QColor& c, qreal w = 4) {
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void page(QPainter& p, const QRectF& r) {
    QPainterPath path;
    const qreal fold = r.width() * 0.3;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(pen(kInk, 3));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void lines(QPainter& p, const QRectF& r, int n) {
    p.setPen(pen(QColor(0x9a, 0xa4, 0xb1), 3));
    for (int i = 0; i < n; ++i) {
        const qreal y = r.top() + r.height() * (0.42 + 0.16 * i);
        p.drawLine(QPointF(r.left() + 7, y), QPointF(r.right() - 7, y));
    }
}

void badge(QPainter& p, const QPointF& c, const QColor& fill, bool plus) {
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(c, 13, 13);
    p.setPen(pen(kPaper, 4));
    p.drawLine(c + QPointF(-7, 0), c + QPointF(7, 0));
    if (plus)
        p.drawLine(c + QPointF(0, -7), c + QPointF(0, 7));
}

void magnifier(QPainter& p, const QPointF& c, qreal r, const QColor& ring) {
    p.setPen(pen(ring, 5));
    p.setBrush(QColor(0xe8, 0xf1, 0xfb));
    p.drawEllipse(c, r, r);
    p.setPen(pen(kInk, 8));
    const QPointF a = c + QPointF(r * 0.72, r * 0.72);
    p.drawLine(a, a + QPointF(r * 0.75, r * 0.75));
}

void floppy(QPainter& p, const QRectF& r) {
    p.setPen(pen(kInk, 3));
    p.setBrush(kBlue);
    p.drawRoundedRect(r, 5, 5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(r.left() + r.width() * 0.2, r.top() + 3, r.width() * 0.6, r.height() * 0.35));
    p.setBrush(QColor(0xd9, 0xe3, 0xf0));
    p.drawRect(QRectF(r.left() + r.width() * 0.22, r.top() + r.height() * 0.58, r.width() * 0.56,
                      r.height() * 0.36));
}

void triangle(QPainter& p, qreal x, bool left) {
    QPainterPath t;
    if (left) {
        t.moveTo(x, 32);
        t.lineTo(x + 22, 14);
        t.lineTo(x + 22, 50);
    } else {
        t.moveTo(x + 22, 32);
        t.lineTo(x, 14);
        t.lineTo(x, 50);
    }
    t.closeSubpath();
    p.setPen(pen(kBlue.darker(130), 3));
    p.setBrush(kBlue);
    p.drawPath(t);
}

void bar(QPainter& p, qreal x) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue.darker(130));
    p.drawRoundedRect(QRectF(x, 14, 7, 36), 2, 2);
}

void camera(QPainter& p) {
    p.setPen(pen(kInk, 3));
    p.setBrush(QColor(0x55, 0x60, 0x6e));
    p.drawRoundedRect(QRectF(22, 14, 20, 10), 3, 3);
    p.drawRoundedRect(QRectF(6, 20, 52, 34), 6, 6);
    p.setBrush(QColor(0xd9, 0xe3, 0xf0));
    p.drawEllipse(QPointF(32, 37), 12, 12);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(32, 37), 6, 6);
}

void text(QPainter& p, const QRectF& r, const QString& s, const QColor& c, int px) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(px);
    f.setBold(true);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, s);
}

void draw(QPainter& p, ProductIcon kind) {
    switch (kind) {
    case ProductIcon::New:
        page(p, QRectF(12, 6, 36, 48));
        lines(p, QRectF(12, 6, 36, 48), 3);
        badge(p, QPointF(46, 48), kGreen, true);
        break;
    case ProductIcon::Duplicate:
        page(p, QRectF(6, 4, 32, 42));
        page(p, QRectF(24, 16, 32, 42));
        lines(p, QRectF(24, 16, 32, 42), 3);
        break;
    case ProductIcon::Save:
    case ProductIcon::PhotoSave:
        floppy(p, QRectF(8, 8, 48, 48));
        break;
    case ProductIcon::First:
        bar(p, 10);
        triangle(p, 20, true);
        triangle(p, 34, true);
        break;
    case ProductIcon::Previous:
        triangle(p, 21, true);
        break;
    case ProductIcon::Next:
        triangle(p, 21, false);
        break;
    case ProductIcon::Last:
        triangle(p, 8, false);
        triangle(p, 22, false);
        bar(p, 47);
        break;
    case ProductIcon::Find:
        magnifier(p, QPointF(26, 26), 15, kBlue);
        break;
    case ProductIcon::LowStock: {
        p.setPen(pen(kInk, 3));
        p.setBrush(kBrown);
        p.drawRect(QRectF(6, 24, 36, 30));
        p.setBrush(kBrown.lighter(125));
        p.drawRect(QRectF(6, 16, 36, 8));
        p.setPen(pen(kRed, 6));
        p.drawLine(QPointF(50, 10), QPointF(50, 48));
        p.drawLine(QPointF(40, 38), QPointF(50, 50));
        p.drawLine(QPointF(60, 38), QPointF(50, 50));
        break;
    }
    case ProductIcon::Unpaid:
        p.setPen(pen(kGold.darker(140), 3));
        p.setBrush(kGold);
        p.drawEllipse(QPointF(32, 32), 24, 24);
        text(p, QRectF(8, 8, 48, 48), QStringLiteral("\u20AC"), kPaper, 32);
        break;
    case ProductIcon::Attach: {
        QPainterPath clip;
        clip.moveTo(40, 22);
        clip.lineTo(40, 46);
        clip.arcTo(QRectF(22, 36, 18, 20), 0, -180);
        clip.lineTo(22, 14);
        clip.arcTo(QRectF(22, 4, 24, 20), 180, -180);
        clip.lineTo(46, 44);
        p.setPen(pen(kInk, 4));
        p.setBrush(Qt::NoBrush);
        p.drawPath(clip);
        break;
    }
    case ProductIcon::Preview:
        page(p, QRectF(8, 4, 34, 48));
        lines(p, QRectF(8, 4, 34, 48), 2);
        magnifier(p, QPointF(38, 38), 10, kBlue);
        break;
    case ProductIcon::Print:
        p.setPen(pen(kInk, 3));
        p.setBrush(kPaper);
        p.drawRect(QRectF(18, 6, 28, 20));
        p.setBrush(QColor(0x7b, 0x86, 0x94));
        p.drawRoundedRect(QRectF(6, 24, 52, 22), 4, 4);
        p.setBrush(kPaper);
        p.drawRect(QRectF(18, 40, 28, 18));
        p.setPen(pen(kGreen, 3));
        p.drawPoint(QPointF(50, 31));
        break;
    case ProductIcon::Export: {
        p.setPen(pen(kGreen.darker(130), 3));
        p.setBrush(kPaper);
        const QRectF g(6, 8, 38, 44);
        p.drawRect(g);
        for (int i = 1; i < 4; ++i)
            p.drawLine(QPointF(g.left(), g.top() + i * 11), QPointF(g.right(), g.top() + i * 11));
        p.drawLine(QPointF(g.left() + 14, g.top()), QPointF(g.left() + 14, g.bottom()));
        p.setPen(pen(kGreen, 6));
        p.drawLine(QPointF(34, 40), QPointF(58, 40));
        p.drawLine(QPointF(49, 31), QPointF(58, 40));
        p.drawLine(QPointF(49, 49), QPointF(58, 40));
        break;
    }
    case ProductIcon::Help:
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawEllipse(QPointF(32, 32), 25, 25);
        text(p, QRectF(8, 8, 48, 48), QStringLiteral("?"), kPaper, 38);
        break;
    case ProductIcon::Exit:
        p.setPen(pen(kInk, 3));
        p.setBrush(QColor(0xc9, 0xa2, 0x74));
        p.drawRect(QRectF(10, 6, 28, 52));
        p.setPen(pen(kRed, 6));
        p.drawLine(QPointF(28, 32), QPointF(58, 32));
        p.drawLine(QPointF(48, 22), QPointF(58, 32));
        p.drawLine(QPointF(48, 42), QPointF(58, 32));
        break;
    case ProductIcon::Plus:
        badge(p, QPointF(32, 32), kGreen, true);
        break;
    case ProductIcon::Minus:
        badge(p, QPointF(32, 32), kRed, false);
        break;
    case ProductIcon::ImportSupplier:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x5b, 0x6b, 0x80));
        p.drawEllipse(QPointF(24, 20), 11, 11);
        p.drawPie(QRectF(6, 34, 36, 40), 0, 180 * 16);
        p.setPen(pen(kGreen, 6));
        p.drawLine(QPointF(42, 20), QPointF(58, 20));
        p.drawLine(QPointF(50, 12), QPointF(58, 20));
        p.drawLine(QPointF(50, 28), QPointF(58, 20));
        break;
    case ProductIcon::ClearDate:
    case ProductIcon::PhotoDelete:
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawEllipse(QPointF(32, 32), 24, 24);
        p.setPen(pen(kPaper, 6));
        p.drawLine(QPointF(22, 22), QPointF(42, 42));
        p.drawLine(QPointF(42, 22), QPointF(22, 42));
        break;
    case ProductIcon::PhotoLoad: {
        p.setPen(pen(kGold.darker(150), 3));
        p.setBrush(kGold);
        QPainterPath f;
        f.moveTo(6, 14);
        f.lineTo(24, 14);
        f.lineTo(30, 20);
        f.lineTo(58, 20);
        f.lineTo(58, 54);
        f.lineTo(6, 54);
        f.closeSubpath();
        p.drawPath(f);
        p.setBrush(kGold.lighter(130));
        p.drawRect(QRectF(6, 28, 52, 26));
        break;
    }
    case ProductIcon::PhotoCamera:
        camera(p);
        break;
    case ProductIcon::PhotoZoom:
        magnifier(p, QPointF(26, 26), 17, kBlue);
        p.setPen(pen(kBlue, 4));
        p.drawLine(QPointF(18, 26), QPointF(34, 26));
        p.drawLine(QPointF(26, 18), QPointF(26, 34));
        break;
    case ProductIcon::Instructions:
        page(p, QRectF(10, 4, 40, 54));
        lines(p, QRectF(10, 4, 40, 54), 3);
        break;
    }
}

} // namespace

QIcon productIcon(ProductIcon kind) {
    QIcon icon;
    for (int side : {32, 64}) {
        QPixmap pm(side, side);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(side / 64.0, side / 64.0);
        draw(p, kind);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace dp
