#include "report/SheetLayout.h"

#include <QPainter>
#include <QPainterPath>

namespace dp::report {

namespace {

const QString kArial = QStringLiteral("Arial");
const QColor kDarkOrange(0xFF, 0x8C, 0x00);
const QColor kTeal(0x00, 0x80, 0x80);

// The label and value columns of every row; both end where the title ends, at 188 mm.
constexpr qreal kLabelLeft = 3;
constexpr qreal kLabelWidth = 52;
constexpr qreal kValueLeft = 60;
constexpr qreal kValueWidth = 128;
constexpr qreal kRowHeight = 6;

ReportItem text(const QString& name, const QRectF& rect, qreal pointSize, const QColor& color,
                const QColor& fill, Qt::Alignment alignment) {
    ReportItem item;
    item.name = name;
    item.rect = rect;
    item.font = QFont(kArial);
    item.font.setPointSizeF(pointSize);
    item.color = color;
    item.fill = fill;
    item.alignment = alignment;
    item.shrinkToFit = false;
    return item;
}

ReportItem line(const QString& name, QPointF from, qreal length) {
    ReportItem item;
    item.kind = ReportItem::Kind::Line;
    item.name = name;
    item.rect = QRectF(from, QSizeF(length, 0));
    item.penWidth = 0.2;
    return item;
}

ReportItem picture(const QString& name, const QRectF& rect, const QImage& image = {}) {
    ReportItem item;
    item.kind = ReportItem::Kind::Picture;
    item.name = name;
    item.rect = rect;
    item.picture = image;
    return item;
}

QString rowName(const char* stem, int row) {
    return QLatin1String(stem) + QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0'));
}

} // namespace

SheetLayoutConfig sheetLayoutConfig(SheetLayout layout) {
    switch (layout) {
    case SheetLayout::Registry:
        return {24, 24, 10, false, false};
    case SheetLayout::Product:
        return {18, 24, 10, true, false};
    case SheetLayout::ProductWithPhoto:
        return {18, 104, 9, false, true};
    }
    return {0, 0, 0, false, false};
}

QString rowLabelName(int row) {
    return rowName("titCampo", row);
}

QString rowValueName(int row) {
    return rowName("txtCampo", row);
}

ReportDocument buildSheet(SheetLayout layout) {
    const SheetLayoutConfig config = sheetLayoutConfig(layout);
    ReportDocument sheet(QPageLayout::Portrait);
    sheet.setName(QStringLiteral("Scheda informativa"));
    QList<ReportItem>& items = sheet.addPage().items;

    items << picture(QStringLiteral("logo"), QRectF(3, 3, 17, 13), sheetLogo());
    items << text(QStringLiteral("txtTitolo"), QRectF(23, 3, 165, 9), 16, Qt::white, kDarkOrange,
                  Qt::AlignCenter);
    items << line(QStringLiteral("linSepara01"), QPointF(23, 16), 165);
    if (config.photo)
        items << picture(QStringLiteral("imgFoto"), QRectF(4, 21, 183, 79));
    for (int row = 1; row <= config.rows; ++row) {
        const qreal top = config.firstRowTop + config.rowPitch * (row - 1);
        items << text(rowLabelName(row), QRectF(kLabelLeft, top, kLabelWidth, kRowHeight), 9,
                      Qt::white, kTeal, Qt::AlignLeft | Qt::AlignVCenter);
        items << text(rowValueName(row), QRectF(kValueLeft, top, kValueWidth, kRowHeight), 10,
                      Qt::black, Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (config.notesBox) {
        ReportItem box;
        box.kind = ReportItem::Kind::Frame;
        box.name = QStringLiteral("shpAppunti");
        box.rect = QRectF(3, 204, 185, 57);
        items << box;
        ReportItem caption = text(QStringLiteral("titAppunti"), QRectF(4, 205, 60, 3), 6, Qt::black,
                                  QColor(), Qt::AlignLeft | Qt::AlignTop);
        caption.padding = 0;
        caption.text = QStringLiteral("SPAZIO PER APPUNTI:");
        items << caption;
    }
    items << line(QStringLiteral("linSepara02"), QPointF(3, 265), 185);
    items << text(QStringLiteral("txtCalce"), QRectF(3, 269, 185, 6), 10, Qt::white, kDarkOrange,
                  Qt::AlignCenter);
    return sheet;
}

QImage sheetLogo() {
    // Drawn at 20 pixels a millimetre for its 17 x 13 mm place: sharp on any printer.
    static const QImage logo = [] {
        QImage image(340, 260, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);

        // The emblem: a teal tile with a white corner holding an orange parcel.
        const QRectF tile(100, 4, 140, 140);
        QPainterPath rounded;
        rounded.addRoundedRect(tile, 26, 26);
        p.fillPath(rounded, kTeal);
        QPen corner(Qt::white, 18, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(corner);
        p.drawPolyline(QPolygonF({{132, 30}, {132, 114}, {210, 114}}));
        p.setPen(Qt::NoPen);
        p.setBrush(kDarkOrange);
        p.drawRoundedRect(QRectF(152, 44, 52, 52), 6, 6);
        p.setBrush(QColor(255, 214, 150));
        p.drawRect(QRectF(174, 44, 8, 52)); // the parcel's tape

        // The maker's name under it.
        QFont name(kArial);
        name.setBold(true);
        name.setPixelSize(58);
        name.setLetterSpacing(QFont::AbsoluteSpacing, 2);
        p.setFont(name);
        p.setPen(kTeal);
        p.drawText(QRectF(0, 146, 340, 64), Qt::AlignCenter, QStringLiteral("LORVANI"));
        QFont sub(kArial);
        sub.setPixelSize(34);
        sub.setLetterSpacing(QFont::AbsoluteSpacing, 6);
        p.setFont(sub);
        p.setPen(kDarkOrange);
        p.drawText(QRectF(0, 210, 340, 46), Qt::AlignCenter, QStringLiteral("SOFTWARE"));
        return image;
    }();
    return logo;
}

} // namespace dp::report
