#include "ui/Icons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace dp {

namespace {

// Every picture is drawn on a 64 x 64 grid and scaled to the size asked for.
const QColor kInk(0x33, 0x3d, 0x4a);
const QColor kRule(0x9a, 0xa4, 0xb1);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kPale(0xd9, 0xe3, 0xf0);
const QColor kGlass(0xe8, 0xf1, 0xfb);
const QColor kSteel(0x7b, 0x86, 0x94);
const QColor kSlate(0x5b, 0x6b, 0x80);
const QColor kBlue(0x2f, 0x6f, 0xc4);
const QColor kGreen(0x2e, 0x9d, 0x4f);
const QColor kRed(0xc8, 0x3a, 0x32);
const QColor kGold(0xe0, 0xa8, 0x1e);
const QColor kBrown(0xb5, 0x83, 0x4f);
const QColor kWood(0xc9, 0xa2, 0x74);

const QPointF kCentre(32, 32);

QPen pen(const QColor& c, qreal width) {
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The usual outline: a thin ink line around a filled shape.
void inked(QPainter& p, const QColor& fill) {
    p.setPen(pen(kInk, 3));
    p.setBrush(fill);
}

// A sheet of paper with its top right corner folded.
void page(QPainter& p, const QRectF& r) {
    QPainterPath path;
    const qreal fold = r.width() * 0.3;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    inked(p, kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

// Lines of text on a page: `count` lines from x1 to x2, the first at y.
void lines(QPainter& p, qreal x1, qreal x2, qreal y, int count, qreal step) {
    p.setPen(pen(kRule, 3));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(x1, y + i * step), QPointF(x2, y + i * step));
}

// Round pictures fill a little more of the grid than square ones, so that both look the
// same size side by side.
const qreal kDisc = 28;

void disc(QPainter& p, const QColor& fill) {
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(kCentre, kDisc, kDisc);
}

void glyph(QPainter& p, const QRectF& r, const QString& s, const QColor& c, int px) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(px);
    f.setBold(true);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, s);
}

// An arrow pointing right, from x1 to its tip at x2.
void arrow(QPainter& p, qreal x1, qreal x2, qreal y, const QColor& c) {
    p.setPen(pen(c, 6));
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
    p.drawLine(QPointF(x2 - 9, y - 9), QPointF(x2, y));
    p.drawLine(QPointF(x2 - 9, y + 9), QPointF(x2, y));
}

void magnifier(QPainter& p, const QPointF& c, qreal r) {
    p.setPen(pen(kBlue, 5));
    p.setBrush(kGlass);
    p.drawEllipse(c, r, r);
    p.setPen(pen(kInk, 8));
    const QPointF a = c + QPointF(r * 0.72, r * 0.72);
    p.drawLine(a, a + QPointF(r * 0.75, r * 0.75));
}

// A browsing arrow head, 22 wide, pointing left or right from x.
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

// The stop bar of the first and last arrows.
void bar(QPainter& p, qreal x) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue.darker(130));
    p.drawRoundedRect(QRectF(x, 14, 7, 36), 2, 2);
}

void draw(QPainter& p, Icon which) {
    switch (which) {
    case Icon::New:
        page(p, QRectF(12, 6, 36, 48));
        lines(p, 19, 41, 26, 3, 8);
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawEllipse(QPointF(46, 48), 13, 13);
        p.setPen(pen(kPaper, 4));
        p.drawLine(QPointF(39, 48), QPointF(53, 48));
        p.drawLine(QPointF(46, 41), QPointF(46, 55));
        break;
    case Icon::Duplicate:
        page(p, QRectF(6, 4, 32, 42));
        page(p, QRectF(24, 16, 32, 42));
        lines(p, 31, 49, 34, 3, 7);
        break;
    case Icon::Save:
        // A floppy disk: its label at the top, the shutter at the bottom.
        inked(p, kBlue);
        p.drawRoundedRect(QRectF(8, 8, 48, 48), 5, 5);
        p.setBrush(kPaper);
        p.drawRect(QRectF(17.6, 11, 28.8, 16.8));
        p.setBrush(kPale);
        p.drawRect(QRectF(18.56, 35.84, 26.88, 17.28));
        break;
    case Icon::First:
        bar(p, 10);
        triangle(p, 20, true);
        triangle(p, 34, true);
        break;
    case Icon::Previous:
        triangle(p, 21, true);
        break;
    case Icon::Next:
        triangle(p, 21, false);
        break;
    case Icon::Last:
        triangle(p, 8, false);
        triangle(p, 22, false);
        bar(p, 47);
        break;
    case Icon::Find:
        magnifier(p, QPointF(26, 26), 15);
        break;
    case Icon::LowStock:
        inked(p, kBrown);
        p.drawRect(QRectF(6, 24, 36, 30));
        p.setBrush(kBrown.lighter(125));
        p.drawRect(QRectF(6, 16, 36, 8));
        p.setPen(pen(kRed, 6));
        p.drawLine(QPointF(50, 10), QPointF(50, 48));
        p.drawLine(QPointF(40, 38), QPointF(50, 50));
        p.drawLine(QPointF(60, 38), QPointF(50, 50));
        break;
    case Icon::Unpaid:
        p.setPen(pen(kGold.darker(140), 3));
        p.setBrush(kGold);
        p.drawEllipse(kCentre, kDisc - 1.5, kDisc - 1.5);
        glyph(p, QRectF(4, 4, 56, 56), QStringLiteral("\u20AC"), kPaper, 36);
        break;
    case Icon::RecontactList:
        inked(p, kPaper);
        p.drawRect(QRectF(12, 10, 40, 48));
        p.setBrush(kGold);
        p.drawRoundedRect(QRectF(22, 4, 20, 12), 4, 4);
        lines(p, 28, 45, 25, 4, 9);
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(QPointF(20, 25 + i * 9), 3, 3);
        break;
    case Icon::Attach: {
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
    case Icon::Preview:
        page(p, QRectF(8, 4, 34, 48));
        lines(p, 15, 35, 24, 2, 8);
        magnifier(p, QPointF(38, 38), 10);
        break;
    case Icon::Print:
        inked(p, kPaper);
        p.drawRect(QRectF(18, 6, 28, 20));
        p.setBrush(kSteel);
        p.drawRoundedRect(QRectF(6, 24, 52, 22), 4, 4);
        p.setBrush(kPaper);
        p.drawRect(QRectF(18, 40, 28, 18));
        p.setPen(pen(kGreen, 3));
        p.drawPoint(QPointF(50, 31));
        break;
    case Icon::Pdf:
        page(p, QRectF(12, 4, 40, 54));
        lines(p, 19, 39, 20, 2, 7);
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawRoundedRect(QRectF(6, 34, 48, 20), 3, 3);
        glyph(p, QRectF(6, 34, 48, 20), QStringLiteral("PDF"), kPaper, 18);
        break;
    case Icon::Export: {
        p.setPen(pen(kGreen.darker(130), 3));
        p.setBrush(kPaper);
        const QRectF g(6, 8, 38, 44);
        p.drawRect(g);
        for (int i = 1; i < 4; ++i)
            p.drawLine(QPointF(g.left(), g.top() + i * 11), QPointF(g.right(), g.top() + i * 11));
        p.drawLine(QPointF(g.left() + 14, g.top()), QPointF(g.left() + 14, g.bottom()));
        arrow(p, 34, 58, 40, kGreen);
        break;
    }
    case Icon::Help:
        disc(p, kBlue);
        glyph(p, QRectF(4, 4, 56, 56), QStringLiteral("?"), kPaper, 42);
        break;
    case Icon::Exit:
        inked(p, kWood);
        p.drawRect(QRectF(10, 6, 28, 52));
        arrow(p, 28, 58, 32, kRed);
        break;
    case Icon::Email: {
        inked(p, kPaper);
        p.drawRect(QRectF(6, 14, 52, 36));
        p.setPen(pen(kBlue, 4));
        p.setBrush(Qt::NoBrush);
        const QPointF flap[] = {{8, 16}, {32, 36}, {56, 16}};
        p.drawPolyline(flap, 3);
        break;
    }
    case Icon::Check: {
        disc(p, kGreen);
        p.setPen(pen(kPaper, 6));
        p.setBrush(Qt::NoBrush);
        const QPointF tick[] = {{19, 33}, {27.5, 42}, {45, 22}};
        p.drawPolyline(tick, 3);
        break;
    }
    case Icon::ImportSupplier:
        p.setPen(Qt::NoPen);
        p.setBrush(kSlate);
        p.drawEllipse(QPointF(24, 20), 11, 11);
        p.drawPie(QRectF(6, 34, 36, 40), 0, 180 * 16);
        arrow(p, 42, 58, 20, kGreen);
        break;
    case Icon::Remove:
        disc(p, kRed);
        p.setPen(pen(kPaper, 6));
        p.drawLine(QPointF(21, 21), QPointF(43, 43));
        p.drawLine(QPointF(43, 21), QPointF(21, 43));
        break;
    case Icon::Open: {
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
    case Icon::Camera:
        inked(p, QColor(0x55, 0x60, 0x6e));
        p.drawRoundedRect(QRectF(22, 14, 20, 10), 3, 3);
        p.drawRoundedRect(QRectF(6, 20, 52, 34), 6, 6);
        p.setBrush(kPale);
        p.drawEllipse(QPointF(32, 37), 12, 12);
        p.setBrush(kBlue);
        p.drawEllipse(QPointF(32, 37), 6, 6);
        break;
    case Icon::Zoom:
        magnifier(p, QPointF(26, 26), 17);
        p.setPen(pen(kBlue, 4));
        p.drawLine(QPointF(18, 26), QPointF(34, 26));
        p.drawLine(QPointF(26, 18), QPointF(26, 34));
        break;
    }
}

} // namespace

QPixmap disabledLook(const QPixmap& normal) {
    QImage img = normal.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int grey = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 3 / 5);
        }
    }
    return QPixmap::fromImage(img);
}

QIcon icon(Icon which) {
    QIcon result;
    for (int side : {16, 20, 24, 32, 48, 64}) {
        QPixmap pm(side, side);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(side / 64.0, side / 64.0);
        draw(p, which);
        p.end();
        result.addPixmap(pm);
        result.addPixmap(disabledLook(pm), QIcon::Disabled);
    }
    return result;
}

} // namespace dp
