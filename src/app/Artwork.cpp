#include "app/Artwork.h"

#include "ui/Icons.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

namespace dp::art {

namespace {

const QColor kWhite(255, 255, 255);
const QColor kSlate(60, 90, 120);
const QColor kExit(178, 58, 58);

void fill(QPainter& p, const QPainterPath& path, const QColor& c) {
    p.fillPath(path, c);
}

QPainterPath rounded(qreal x, qreal y, qreal w, qreal h, qreal r) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

QPainterPath polygon(const QPolygonF& points) {
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    return polygon(QPolygonF(QList<QPointF>(points)));
}

QPainterPath circle(qreal cx, qreal cy, qreal r) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), r, r);
    return path;
}

// A person seen from the front: head and rounded shoulders, standing on `base`.
QPainterPath person(qreal cx, qreal headY, qreal headR, qreal halfWidth, qreal base) {
    QPainterPath path = circle(cx, headY, headR);
    const qreal top = headY + headR + 3;
    QPainterPath body;
    body.moveTo(cx - halfWidth, base);
    body.lineTo(cx - halfWidth, top + halfWidth * 0.7);
    body.arcTo(QRectF(cx - halfWidth, top, 2 * halfWidth, 1.4 * halfWidth), 180, -180);
    body.lineTo(cx + halfWidth, base);
    body.closeSubpath();
    return path.united(body);
}

void tile(QPainter& p, const QColor& c) {
    QLinearGradient g(0, 0, 0, 100);
    g.setColorAt(0, c.lighter(128));
    g.setColorAt(1, c.darker(108));
    p.fillPath(rounded(3, 3, 94, 94, 22), g);
    // A faint sheen on the upper half gives the tile some depth.
    QLinearGradient sheen(0, 3, 0, 50);
    sheen.setColorAt(0, QColor(255, 255, 255, 55));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillPath(rounded(3, 3, 94, 47, 22), sheen);
}

void disc(QPainter& p, const QColor& c) {
    QLinearGradient g(0, 0, 0, 100);
    g.setColorAt(0, c.lighter(130));
    g.setColorAt(1, c.darker(105));
    p.fillPath(circle(50, 50, 47), g);
}

QPen stroke(const QColor& c, qreal width) {
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawClienti(QPainter& p, const QColor& a) {
    fill(p, person(64, 32, 11, 17, 80), QColor(255, 255, 255, 165));
    const QPainterPath front = person(40, 38, 13, 21, 82);
    p.strokePath(front, stroke(a, 5));
    fill(p, front, kWhite);
}

void drawFornitori(QPainter& p, const QColor& a) {
    fill(p, rounded(12, 30, 52, 36, 3), kWhite);
    fill(p, polygon({{67, 40}, {79, 40}, {89, 54}, {89, 66}, {67, 66}}), kWhite);
    fill(p, polygon({{71, 44}, {77, 44}, {83, 53}, {71, 53}}), a);
    fill(p, rounded(12, 64, 77, 5, 1), kWhite);
    for (qreal x : {30.0, 75.0}) {
        p.strokePath(circle(x, 71, 9), stroke(a, 4));
        fill(p, circle(x, 71, 9), kWhite);
        fill(p, circle(x, 71, 3.5), a);
    }
    // The load: two stripes on the side of the box.
    fill(p, rounded(20, 40, 36, 3, 1.5), a.lighter(150));
    fill(p, rounded(20, 50, 26, 3, 1.5), a.lighter(150));
}

void box(QPainter& p, const QColor& a, qreal x, qreal y, qreal w, qreal h) {
    fill(p, rounded(x, y, w, h, 1.5), kWhite);
    QPainterPath tape;
    tape.addRect(QRectF(x + w / 2 - 2, y, 4, h * 0.4));
    fill(p, tape, a);
}

void drawMagazzino(QPainter& p, const QColor& a) {
    fill(p, rounded(16, 14, 6, 74, 1.5), kWhite);
    fill(p, rounded(78, 14, 6, 74, 1.5), kWhite);
    fill(p, rounded(16, 14, 68, 5, 1.5), kWhite);
    fill(p, rounded(16, 47, 68, 5, 1.5), kWhite);
    fill(p, rounded(16, 81, 68, 5, 1.5), kWhite);
    box(p, a, 27, 27, 18, 18);
    box(p, a, 48, 31, 24, 14);
    box(p, a, 26, 58, 24, 21);
    box(p, a, 53, 65, 18, 14);
}

void drawInventario(QPainter& p, const QColor& a) {
    fill(p, rounded(22, 16, 56, 74, 7), kWhite);
    const QPainterPath clip = rounded(36, 9, 28, 14, 5);
    p.strokePath(clip, stroke(kWhite, 4));
    fill(p, clip, a.darker(125));
    for (qreal y : {38.0, 55.0, 72.0}) {
        QPainterPath check;
        check.moveTo(31, y);
        check.lineTo(35, y + 4);
        check.lineTo(42, y - 4);
        p.strokePath(check, stroke(a, 4));
        fill(p, rounded(48, y - 2, 22, 4, 2), a.lighter(140));
    }
}

void parcelWithArrow(QPainter& p, const QColor& a, bool inwards) {
    fill(p, rounded(22, 52, 56, 36, 4), kWhite);
    fill(p, polygon({{18, 52}, {82, 52}, {76, 46}, {24, 46}}), QColor(255, 255, 255, 190));
    fill(p, rounded(45, 52, 10, 13, 1), a);
    if (inwards) {
        fill(p, rounded(43, 8, 14, 22, 2), kWhite);
        fill(p, polygon({{31, 28}, {69, 28}, {50, 44}}), kWhite);
    } else {
        fill(p, rounded(43, 22, 14, 20, 2), kWhite);
        fill(p, polygon({{31, 24}, {69, 24}, {50, 7}}), kWhite);
    }
}

void drawInfo(QPainter& p) {
    fill(p, circle(50, 28, 7), kWhite);
    fill(p, rounded(43, 42, 14, 36, 3), kWhite);
}

void drawCopyright(QPainter& p) {
    p.strokePath(circle(50, 50, 30), stroke(kWhite, 6));
    QPainterPath c;
    c.arcMoveTo(QRectF(36, 36, 28, 28), 45);
    c.arcTo(QRectF(36, 36, 28, 28), 45, 270);
    p.strokePath(c, stroke(kWhite, 6));
}

void drawSito(QPainter& p) {
    const QPen pen = stroke(kWhite, 5);
    p.strokePath(circle(50, 50, 30), pen);
    QPainterPath meridian;
    meridian.addEllipse(QRectF(37, 20, 26, 60));
    p.strokePath(meridian, stroke(kWhite, 4));
    QPainterPath lines;
    lines.moveTo(20, 50);
    lines.lineTo(80, 50);
    lines.moveTo(26, 35);
    lines.lineTo(74, 35);
    lines.moveTo(26, 65);
    lines.lineTo(74, 65);
    lines.moveTo(50, 20);
    lines.lineTo(50, 80);
    p.strokePath(lines, stroke(kWhite, 4));
}

void drawCopia(QPainter& p) {
    QPainterPath box;
    box.addRoundedRect(QRectF(26, 48, 48, 30), 4, 4);
    p.strokePath(box, stroke(kWhite, 5));
    QPainterPath arrow;
    arrow.moveTo(50, 18);
    arrow.lineTo(50, 58);
    arrow.moveTo(38, 46);
    arrow.lineTo(50, 58);
    arrow.lineTo(62, 46);
    p.strokePath(arrow, stroke(kWhite, 6));
}

void drawEsci(QPainter& p) {
    QPainterPath arc;
    arc.arcMoveTo(QRectF(25, 27, 50, 50), 125);
    arc.arcTo(QRectF(25, 27, 50, 50), 125, 290);
    p.strokePath(arc, stroke(kWhite, 8));
    QPainterPath bar;
    bar.moveTo(50, 18);
    bar.lineTo(50, 50);
    p.strokePath(bar, stroke(kWhite, 8));
}

// The mark: a parcel seen from above a corner, its tape running over the lid and down one
// side. The shapes are data so that the desktop icon (SVG) is the same drawing.
struct Face {
    QList<QPointF> points;
    QColor colour;
};

const QList<Face>& logoFaces() {
    static const QColor tape(250, 226, 170);
    static const QList<Face> faces = {
        {{{50, 12}, {86, 31}, {50, 50}, {14, 31}}, QColor(245, 190, 96)},
        {{{14, 31}, {50, 50}, {50, 90}, {14, 71}}, QColor(222, 140, 48)},
        {{{50, 50}, {86, 31}, {86, 71}, {50, 90}}, QColor(184, 108, 30)},
        {{{28.2, 23.4}, {35.8, 19.4}, {71.8, 38.4}, {64.2, 42.4}}, tape},
        {{{64.2, 42.4}, {71.8, 38.4}, {71.8, 78.4}, {64.2, 82.4}}, tape.darker(118)},
    };
    return faces;
}

// Edges, drawn lightly so the box keeps its shape on any background: open polylines.
const QList<QList<QPointF>>& logoEdges() {
    static const QList<QList<QPointF>> edges = {
        {{50, 12}, {86, 31}, {86, 71}, {50, 90}, {14, 71}, {14, 31}, {50, 12}},
        {{14, 31}, {50, 50}, {86, 31}},
        {{50, 50}, {50, 90}},
    };
    return edges;
}

const QColor kLogoEdge(120, 70, 20, 150);
constexpr qreal kLogoEdgeWidth = 1.5;

void drawLogo(QPainter& p) {
    for (const Face& f : logoFaces())
        fill(p, polygon(QPolygonF(f.points)), f.colour);
    QPainterPath edges;
    for (const auto& line : logoEdges()) {
        edges.moveTo(line.first());
        for (const QPointF& pt : line.mid(1))
            edges.lineTo(pt);
    }
    p.strokePath(edges, stroke(kLogoEdge, kLogoEdgeWidth));
}

} // namespace

QColor accent(Picture p) {
    switch (p) {
    case Picture::Clienti:
        return QColor(47, 111, 179);
    case Picture::Fornitori:
        return QColor(24, 134, 122);
    case Picture::Magazzino:
        return QColor(214, 124, 36);
    case Picture::Inventario:
        return QColor(112, 72, 168);
    case Picture::Carico:
        return QColor(56, 142, 60);
    case Picture::Scarico:
        return QColor(192, 68, 58);
    case Picture::Esci:
        return kExit;
    case Picture::Info:
    case Picture::Copyright:
    case Picture::Sito:
    case Picture::Copia:
        return kSlate;
    case Picture::Logo:
        return QColor(222, 140, 48);
    }
    return kSlate;
}

QPixmap picture(Picture which, int size, qreal dpr) {
    QPixmap pm(QSize(size, size) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);
    const QColor a = accent(which);
    switch (which) {
    case Picture::Clienti:
        tile(p, a);
        drawClienti(p, a);
        break;
    case Picture::Fornitori:
        tile(p, a);
        drawFornitori(p, a);
        break;
    case Picture::Magazzino:
        tile(p, a);
        drawMagazzino(p, a);
        break;
    case Picture::Inventario:
        tile(p, a);
        drawInventario(p, a);
        break;
    case Picture::Carico:
        tile(p, a);
        parcelWithArrow(p, a, true);
        break;
    case Picture::Scarico:
        tile(p, a);
        parcelWithArrow(p, a, false);
        break;
    case Picture::Info:
        disc(p, a);
        drawInfo(p);
        break;
    case Picture::Copyright:
        disc(p, a);
        drawCopyright(p);
        break;
    case Picture::Sito:
        disc(p, a);
        drawSito(p);
        break;
    case Picture::Copia:
        disc(p, a);
        drawCopia(p);
        break;
    case Picture::Esci:
        disc(p, a);
        drawEsci(p);
        break;
    case Picture::Logo:
        drawLogo(p);
        break;
    }
    return pm;
}

QIcon icon(Picture p) {
    QIcon i;
    for (int size : {32, 64, 128, 256}) {
        const QPixmap pm = picture(p, size);
        i.addPixmap(pm);
        i.addPixmap(disabledLook(pm), QIcon::Disabled);
    }
    return i;
}

QString logoSvg() {
    auto points = [](const QList<QPointF>& list) {
        QStringList out;
        for (const QPointF& p : list)
            out << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
        return out.join(QLatin1Char(' '));
    };
    QString svg =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                       "viewBox=\"0 0 100 100\">\n");
    for (const Face& f : logoFaces())
        svg += QStringLiteral("  <polygon points=\"%1\" fill=\"%2\"/>\n")
                   .arg(points(f.points), f.colour.name());
    for (const auto& line : logoEdges())
        svg += QStringLiteral("  <polyline points=\"%1\" fill=\"none\" stroke=\"%2\" "
                              "stroke-opacity=\"%3\" stroke-width=\"%4\" "
                              "stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n")
                   .arg(points(line), kLogoEdge.name())
                   .arg(kLogoEdge.alphaF(), 0, 'f', 3)
                   .arg(kLogoEdgeWidth);
    return svg + QStringLiteral("</svg>\n");
}

QPixmap banner(int height, qreal dpr) {
    QFont name(QStringLiteral("Arial"));
    name.setBold(true);
    name.setPixelSize(qRound(height * 0.46));
    QFont line(QStringLiteral("Arial"));
    line.setPixelSize(qRound(height * 0.2));
    const QString title = QStringLiteral("Depotta");
    const QString subtitle = QStringLiteral("Gestione del magazzino");
    const QFontMetricsF fn(name);
    const QFontMetricsF fl(line);
    const qreal textX = height * 1.12;
    const qreal width = textX + qMax(fn.horizontalAdvance(title), fl.horizontalAdvance(subtitle));

    QPixmap pm(QSize(qCeil(width) + 2, height) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.drawPixmap(0, 0, picture(Picture::Logo, height, dpr));
    const qreal baseline = height * 0.56;
    p.setFont(name);
    p.setPen(kWhite);
    p.drawText(QPointF(textX, baseline), title);
    p.setFont(line);
    p.setPen(QColor(200, 214, 228));
    p.drawText(QPointF(textX + 2, baseline + fl.ascent() + height * 0.1), subtitle);
    return pm;
}

} // namespace dp::art
