#include "report/ReportDocument.h"

#include <QFontMetricsF>
#include <QPageRanges>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace dp::report {

QStringList ReportItem::lines() const {
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

ReportDocument::ReportDocument(QPageLayout::Orientation orientation, const QMarginsF& marginsMm)
    : m_layout(QPageSize(QPageSize::A4), orientation, marginsMm, QPageLayout::Millimeter) {
    // Our margins exactly, not raised to a printer's minimum: positions are measured from
    // them. paint() places everything relative to the paper, whatever the device's mode.
    m_layout.setMode(QPageLayout::FullPageMode);
}

void ReportDocument::setOrientation(QPageLayout::Orientation orientation) {
    m_layout.setOrientation(orientation);
}

QSizeF ReportDocument::contentSize() const {
    const QSizeF paper = m_layout.fullRect(QPageLayout::Millimeter).size();
    const QMarginsF m = m_layout.margins(QPageLayout::Millimeter);
    return {paper.width() - m.left() - m.right(), paper.height() - m.top() - m.bottom()};
}

ReportPage& ReportDocument::addPage() {
    m_pages.append(ReportPage{});
    return m_pages.last();
}

const ReportItem* ReportDocument::find(const QString& name) const {
    if (name.isEmpty())
        return nullptr;
    for (const ReportPage& p : m_pages)
        for (const ReportItem& item : p.items)
            if (item.name == name)
                return &item;
    return nullptr;
}

ReportItem* ReportDocument::find(const QString& name) {
    return const_cast<ReportItem*>(std::as_const(*this).find(name));
}

ReportItem* ReportDocument::findText(const QString& name) {
    ReportItem* item = find(name);
    return item && item->kind == ReportItem::Kind::Text ? item : nullptr;
}

ReportItem* ReportDocument::findPicture(const QString& name) {
    ReportItem* item = find(name);
    return item && item->kind == ReportItem::Kind::Picture ? item : nullptr;
}

QStringList ReportDocument::pageTexts(int index) const {
    QList<const ReportItem*> texts;
    for (const ReportItem& item : m_pages.at(index).items)
        if (item.kind == ReportItem::Kind::Text && !item.text.isEmpty())
            texts.append(&item);
    std::stable_sort(texts.begin(), texts.end(), [](const ReportItem* a, const ReportItem* b) {
        if (a->rect.top() != b->rect.top())
            return a->rect.top() < b->rect.top();
        return a->rect.left() < b->rect.left();
    });
    QStringList out;
    for (const ReportItem* item : texts)
        out += item->lines();
    return out;
}

// ---- measures ---------------------------------------------------------------------------

namespace {

constexpr int kMeasureDpi = 1200;

const QImage& measureDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        const int dotsPerMeter = int(std::lround(kMeasureDpi / 0.0254));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

constexpr qreal pxToMm(qreal px, qreal dpi) {
    return px * kMmPerInch / dpi;
}
constexpr qreal mmToPx(qreal mm, qreal dpi) {
    return mm * dpi / kMmPerInch;
}

} // namespace

qreal textWidthMm(const QFont& font, const QString& text) {
    return pxToMm(QFontMetricsF(font, &measureDevice()).horizontalAdvance(text), kMeasureDpi);
}

qreal lineSpacingMm(const QFont& font) {
    return pxToMm(QFontMetricsF(font, &measureDevice()).lineSpacing(), kMeasureDpi);
}

struct TextMeasure::Data {
    QFontMetricsF metrics;
    mutable std::vector<qreal> advance; // by UTF-16 unit; negative: not measured yet
};

TextMeasure::TextMeasure(const QFont& font)
    : d(new Data{QFontMetricsF(font, &measureDevice()), std::vector<qreal>(0x10000, -1)}) {}

TextMeasure::~TextMeasure() {
    delete d;
}

qreal TextMeasure::quickWidthMm(const QString& text) const {
    qreal px = 0;
    for (const QChar c : text) {
        qreal& a = d->advance[c.unicode()];
        if (a < 0)
            a = d->metrics.horizontalAdvance(c);
        px += a;
    }
    return pxToMm(px, kMeasureDpi);
}

qreal TextMeasure::widthMm(const QString& text) const {
    return pxToMm(d->metrics.horizontalAdvance(text), kMeasureDpi);
}

bool TextMeasure::fits(const QString& text, qreal widthMm) const {
    const qreal quick = quickWidthMm(text);
    if (quick < widthMm * 0.97)
        return true;
    if (quick > widthMm * 1.03)
        return false;
    return this->widthMm(text) <= widthMm;
}

// ---- painting ---------------------------------------------------------------------------

namespace {

// Maps millimetres from the top-left corner of the printable area to device pixels.
struct DeviceMap {
    qreal dpiX = 0;
    qreal dpiY = 0;
    QPointF originPx; // the printable area's corner, in the painter's coordinates

    QRectF rect(const QRectF& mm) const {
        return {originPx.x() + mmToPx(mm.left(), dpiX), originPx.y() + mmToPx(mm.top(), dpiY),
                mmToPx(mm.width(), dpiX), mmToPx(mm.height(), dpiY)};
    }
    QPointF point(const QPointF& mm) const {
        return {originPx.x() + mmToPx(mm.x(), dpiX), originPx.y() + mmToPx(mm.y(), dpiY)};
    }
};

// One line of text in `box`: when too wide, a smaller font (down to 60 %), then elided.
void drawTextLine(QPainter& painter, const QRectF& box, Qt::Alignment alignment,
                  const QString& text, const QFont& font, bool shrink) {
    QFont used = font;
    painter.setFont(used);
    QString shown = text;
    if (shrink && painter.fontMetrics().horizontalAdvance(text) > box.width()) {
        const qreal base = font.pointSizeF() > 0 ? font.pointSizeF() : 10;
        for (qreal size = base * 0.95; size >= base * 0.6; size -= base * 0.05) {
            used.setPointSizeF(size);
            painter.setFont(used);
            if (QFontMetricsF(used, painter.device()).horizontalAdvance(text) <= box.width())
                break;
        }
        const QFontMetricsF fm(used, painter.device());
        if (fm.horizontalAdvance(text) > box.width())
            shown = fm.elidedText(text, Qt::ElideRight, box.width());
    } else if (!shrink && painter.fontMetrics().horizontalAdvance(text) > box.width()) {
        // Cut at the box's edge, from its start: characters beyond the edge are neither
        // drawn nor carried in the output, and the last one is clipped where the box ends.
        const QFontMetricsF fm(used, painter.device());
        qsizetype keep = 0;
        for (qsizetype lo = 0, hi = text.size(); lo < hi;) {
            const qsizetype mid = (lo + hi + 1) / 2;
            if (fm.horizontalAdvance(text.left(mid - 1)) < box.width())
                keep = lo = mid;
            else
                hi = mid - 1;
        }
        painter.save();
        painter.setClipRect(box, Qt::IntersectClip);
        painter.drawText(
            box, int(alignment & Qt::AlignVertical_Mask) | Qt::AlignLeft | Qt::TextSingleLine,
            text.left(keep));
        painter.restore();
        return;
    }
    painter.drawText(box, int(alignment) | Qt::TextSingleLine, shown);
}

void paintText(QPainter& painter, const DeviceMap& map, const ReportItem& item) {
    const QRectF box = map.rect(item.rect);
    if (item.fill.isValid())
        painter.fillRect(box, item.fill);
    const QStringList lines = item.lines();
    if (lines.isEmpty())
        return;
    painter.setPen(item.color);
    painter.setFont(item.font);
    const qreal pad = mmToPx(item.padding, map.dpiX);
    const QRectF inner = box.adjusted(pad, 0, -pad, 0);
    if (lines.size() == 1 && item.linePitch <= 0) {
        drawTextLine(painter, inner, item.alignment, lines.first(), item.font, item.shrinkToFit);
        return;
    }
    const qreal pitch = item.linePitch > 0
                            ? mmToPx(item.linePitch, map.dpiY)
                            : QFontMetricsF(item.font, painter.device()).lineSpacing();
    const Qt::Alignment horizontal = item.alignment & Qt::AlignHorizontal_Mask;
    if (!item.shrinkToFit && (horizontal == Qt::AlignLeft || horizontal == 0)) {
        // Long memos (lists of many pages): place each line on its baseline directly,
        // without laying out a text rectangle per line.
        const QFontMetricsF fm(item.font, painter.device());
        const qreal baseline = (pitch - fm.height()) / 2 + fm.ascent();
        for (int i = 0; i < lines.size(); ++i)
            painter.drawText(QPointF(inner.left(), inner.top() + i * pitch + baseline),
                             lines.at(i));
        return;
    }
    for (int i = 0; i < lines.size(); ++i) {
        const QRectF row(inner.left(), inner.top() + i * pitch, inner.width(), pitch);
        drawTextLine(painter, row, horizontal | Qt::AlignVCenter, lines.at(i), item.font,
                     item.shrinkToFit);
    }
}

void paintItem(QPainter& painter, const DeviceMap& map, const ReportItem& item) {
    switch (item.kind) {
    case ReportItem::Kind::Text:
        paintText(painter, map, item);
        break;
    case ReportItem::Kind::Line:
    case ReportItem::Kind::Frame: {
        QPen pen(item.color);
        pen.setWidthF(std::max(1.0, mmToPx(item.penWidth, map.dpiX)));
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        if (item.kind == ReportItem::Kind::Line)
            painter.drawLine(map.point(item.rect.topLeft()), map.point(item.rect.bottomRight()));
        else
            painter.drawRect(map.rect(item.rect));
        break;
    }
    case ReportItem::Kind::Picture: {
        if (item.picture.isNull())
            break;
        const QRectF box = map.rect(item.rect);
        QSizeF size = item.picture.size();
        size.scale(box.size(), Qt::KeepAspectRatio);
        QRectF target(QPointF(), size);
        target.moveCenter(box.center());
        painter.drawImage(target, item.picture);
        break;
    }
    }
}

} // namespace

bool paint(const PageSource& document, QPagedPaintDevice& device, const PaintProgress& progress) {
    device.setPageLayout(document.pageLayout());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    // The painter's origin is the corner of the device's paint rectangle, which depends on
    // the device's page mode; place the printable area from the paper's corner instead.
    const QPageLayout layout = device.pageLayout();
    DeviceMap map;
    map.dpiX = device.logicalDpiX();
    map.dpiY = device.logicalDpiY();
    const QRectF paintRectMm = layout.paintRect(QPageLayout::Millimeter);
    const QMarginsF margins = document.pageLayout().margins(QPageLayout::Millimeter);
    map.originPx = QPointF(mmToPx(margins.left() - paintRectMm.left(), map.dpiX),
                           mmToPx(margins.top() - paintRectMm.top(), map.dpiY));

    // Pages the user picked in the print dialog; none picked means all.
    const QPageRanges ranges = device.pageRanges();
    const int count = document.pageCount();
    int total = 0;
    for (int i = 0; i < count; ++i)
        total += ranges.isEmpty() || ranges.contains(i + 1) ? 1 : 0;
    int done = 0;
    for (int i = 0; i < count; ++i) {
        if (!ranges.isEmpty() && !ranges.contains(i + 1))
            continue;
        if (done > 0 && !device.newPage())
            return false;
        const ReportPage page = document.layoutPage(i);
        for (const ReportItem& item : page.items)
            paintItem(painter, map, item);
        ++done;
        if (progress && !progress(done, total)) {
            painter.end();
            return false;
        }
    }
    return painter.end();
}

void paintPage(const ReportPage& page, const QPageLayout& layout, QPainter& painter,
               qreal dotsPerInch) {
    DeviceMap map;
    map.dpiX = dotsPerInch;
    map.dpiY = dotsPerInch;
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    map.originPx = QPointF(mmToPx(margins.left(), dotsPerInch), mmToPx(margins.top(), dotsPerInch));
    for (const ReportItem& item : page.items)
        paintItem(painter, map, item);
}

} // namespace dp::report
