#include "registry/SheetIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace dp {

namespace {

// Every picture is drawn on a 32 x 32 grid and scaled to the size asked for.
using Draw = std::function<void(QPainter&)>;

const QColor kInk(0x33, 0x3d, 0x4a);
const QColor kPaper(0xfd, 0xfd, 0xf8);
const QColor kBlue(0x2a, 0x6f, 0xb8);
const QColor kGreen(0x2e, 0x8b, 0x3e);
const QColor kRed(0xc0, 0x2b, 0x2b);
const QColor kAmber(0xe0, 0x9a, 0x1a);

void page(QPainter& p, const QRectF& r)
{
    QPainterPath path;
    const qreal fold = 7;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void lines(QPainter& p, qreal x1, qreal x2, qreal y, int count, qreal step = 4)
{
    p.setPen(QPen(kInk.lighter(160), 1.5));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(x1, y + i * step), QPointF(x2, y + i * step));
}

void triangle(QPainter& p, qreal x, qreal dir)
{
    // An arrow head pointing left (dir -1) or right (dir +1), its tip at x.
    QPolygonF t;
    t << QPointF(x, 16) << QPointF(x - dir * 11, 7) << QPointF(x - dir * 11, 25);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawPolygon(t);
}

void bar(QPainter& p, qreal x)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRect(QRectF(x, 7, 3.5, 18));
}

void magnifier(QPainter& p, QPointF centre, qreal radius)
{
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
    const QPointF handle = centre + QPointF(radius * 0.72, radius * 0.72);
    p.drawLine(handle, handle + QPointF(radius * 0.8, radius * 0.8));
    p.setPen(QPen(kInk, 2.2));
    p.setBrush(QColor(0xd8, 0xea, 0xfa));
    p.drawEllipse(centre, radius, radius);
}

void tick(QPainter& p, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPolygonF t;
    t << QPointF(9.5, 16.5) << QPointF(14, 21) << QPointF(22.5, 11);
    p.drawPolyline(t);
}

void label(QPainter& p, const QRectF& r, const QColor& fill, const QString& text)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(r, 1.5, 1.5);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(int(r.height() - 1));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, text);
}

Draw drawing(const QString& name)
{
    if (name == QLatin1String("cmdNuovo"))
        return [](QPainter& p) {
            page(p, QRectF(6, 3, 20, 26));
            p.setPen(Qt::NoPen);
            p.setBrush(kGreen);
            p.drawEllipse(QRectF(15, 15, 15, 15));
            p.setPen(QPen(Qt::white, 2.5));
            p.drawLine(QPointF(22.5, 18.5), QPointF(22.5, 26.5));
            p.drawLine(QPointF(18.5, 22.5), QPointF(26.5, 22.5));
        };
    if (name == QLatin1String("cmdSalva"))
        return [](QPainter& p) {
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(kBlue);
            QPainterPath d;
            d.moveTo(4, 4);
            d.lineTo(24, 4);
            d.lineTo(28, 8);
            d.lineTo(28, 28);
            d.lineTo(4, 28);
            d.closeSubpath();
            p.drawPath(d);
            p.setBrush(kPaper);
            p.drawRect(QRectF(8, 4, 14, 9));
            p.setBrush(QColor(0xe8, 0xe8, 0xe8));
            p.drawRect(QRectF(8, 18, 16, 10));
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            p.drawRect(QRectF(17, 5.5, 3, 6));
        };
    if (name == QLatin1String("cmdDuplica"))
        return [](QPainter& p) {
            page(p, QRectF(4, 3, 17, 22));
            page(p, QRectF(11, 8, 17, 22));
            lines(p, 14, 24, 17, 3);
        };
    if (name == QLatin1String("cmdPrimo"))
        return [](QPainter& p) { bar(p, 6); triangle(p, 10, -1); triangle(p, 18, -1); };
    if (name == QLatin1String("cmdIndietro"))
        return [](QPainter& p) { triangle(p, 8, -1); triangle(p, 17, -1); };
    if (name == QLatin1String("cmdAvanti"))
        return [](QPainter& p) { triangle(p, 15, 1); triangle(p, 24, 1); };
    if (name == QLatin1String("cmdUltimo"))
        return [](QPainter& p) { triangle(p, 14, 1); triangle(p, 22, 1); bar(p, 22.5); };
    if (name == QLatin1String("cmdTrova"))
        return [](QPainter& p) { magnifier(p, QPointF(13, 13), 8); };
    if (name == QLatin1String("cmdRicontatta"))
        return [](QPainter& p) {
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(kPaper);
            p.drawRect(QRectF(5, 5, 20, 24));
            p.setBrush(kAmber);
            p.drawRoundedRect(QRectF(10, 2, 10, 6), 2, 2);
            p.setPen(Qt::NoPen);
            p.setBrush(kRed);
            for (int i = 0; i < 4; ++i)
                p.drawEllipse(QRectF(8, 11.5 + i * 4.5, 3, 3));
            lines(p, 13, 22, 13, 4, 4.5);
        };
    if (name == QLatin1String("cmdFile"))
        return [](QPainter& p) {
            // A paper clip.
            p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            QPainterPath c;
            c.moveTo(12, 22);
            c.lineTo(12, 8);
            c.arcTo(QRectF(12, 3, 10, 10), 180, -180);
            c.lineTo(22, 24);
            c.arcTo(QRectF(8, 17, 14, 12), 0, -180);
            c.lineTo(8, 10);
            p.save();
            p.translate(16, 16);
            p.rotate(35);
            p.translate(-16, -16);
            p.drawPath(c);
            p.restore();
        };
    if (name == QLatin1String("cmdStampa"))
        return [](QPainter& p) {
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(kPaper);
            p.drawRect(QRectF(9, 3, 14, 9));
            p.setBrush(QColor(0x9a, 0xa4, 0xb0));
            p.drawRoundedRect(QRectF(3, 11, 26, 12), 2, 2);
            p.setBrush(kPaper);
            p.drawRect(QRectF(9, 19, 14, 10));
            lines(p, 11, 21, 23, 2, 3);
            p.setPen(Qt::NoPen);
            p.setBrush(kGreen);
            p.drawEllipse(QRectF(23, 14, 3, 3));
        };
    if (name == QLatin1String("cmdAnteprima"))
        return [](QPainter& p) {
            page(p, QRectF(4, 3, 19, 25));
            lines(p, 7, 17, 9, 3);
            magnifier(p, QPointF(18, 18), 6);
        };
    if (name == QLatin1String("cmdPDF"))
        return [](QPainter& p) {
            page(p, QRectF(6, 3, 20, 26));
            lines(p, 9, 20, 9, 2);
            label(p, QRectF(3, 16, 24, 10), kRed, QStringLiteral("PDF"));
        };
    if (name == QLatin1String("cmdEsporta"))
        return [](QPainter& p) {
            p.setPen(QPen(kGreen.darker(120), 1.5));
            p.setBrush(kPaper);
            p.drawRect(QRectF(3, 5, 20, 22));
            for (qreal y = 10.5; y < 27; y += 5.5)
                p.drawLine(QPointF(3, y), QPointF(23, y));
            p.drawLine(QPointF(10, 5), QPointF(10, 27));
            p.setPen(QPen(kGreen, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(QPointF(17, 16), QPointF(29, 16));
            p.drawLine(QPointF(24, 11), QPointF(29, 16));
            p.drawLine(QPointF(24, 21), QPointF(29, 16));
        };
    if (name == QLatin1String("cmdGuida"))
        return [](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(kBlue);
            p.drawEllipse(QRectF(3, 3, 26, 26));
            QFont f(QStringLiteral("Arial"));
            f.setPixelSize(20);
            f.setBold(true);
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
        };
    if (name == QLatin1String("cmdEsci"))
        return [](QPainter& p) {
            // An open door with an arrow leaving through it.
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(QColor(0xb9, 0x7a, 0x45));
            p.drawRect(QRectF(4, 3, 15, 26));
            p.setBrush(QColor(0x8a, 0x55, 0x2c));
            QPolygonF leaf;
            leaf << QPointF(4, 3) << QPointF(12, 7) << QPointF(12, 31) << QPointF(4, 29);
            p.drawPolygon(leaf);
            p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(QPointF(15, 16), QPointF(29, 16));
            p.drawLine(QPointF(24, 11), QPointF(29, 16));
            p.drawLine(QPointF(24, 21), QPointF(29, 16));
        };
    if (name == QLatin1String("btnEmail"))
        return [](QPainter& p) {
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(kPaper);
            p.drawRect(QRectF(3, 7, 26, 18));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kBlue, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            QPolygonF v;
            v << QPointF(4, 8) << QPointF(16, 18) << QPointF(28, 8);
            p.drawPolyline(v);
        };
    if (name.startsWith(QLatin1String("btn")))
        return [](QPainter& p) { tick(p, kGreen); };
    return {};
}

} // namespace

QIcon sheetIcon(const QString& name)
{
    const Draw draw = drawing(name);
    if (!draw)
        return {};
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(size / 32.0, size / 32.0);
        draw(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace dp
