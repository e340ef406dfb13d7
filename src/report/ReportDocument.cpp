#include "report/ReportDocument.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageRanges>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

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

bool paint(const ReportDocument& document, QPagedPaintDevice& device) {
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
    bool first = true;
    for (int i = 0; i < document.pageCount(); ++i) {
        if (!ranges.isEmpty() && !ranges.contains(i + 1))
            continue;
        if (!first && !device.newPage())
            return false;
        first = false;
        for (const ReportItem& item : document.page(i).items)
            paintItem(painter, map, item);
    }
    return painter.end();
}

namespace {

QByteArray pdfText(const QString& text) {
    // A hex string in UTF-16BE with its byte order mark needs no escaping.
    QByteArray utf16("\xFE\xFF", 2);
    for (const QChar c : text) {
        utf16.append(char(c.unicode() >> 8));
        utf16.append(char(c.unicode() & 0xFF));
    }
    return '<' + utf16.toHex().toUpper() + '>';
}

// The PDF writer fills in only title and creator; author and subject go into the same
// information dictionary, and the cross-reference offsets after it move along.
// Returns false, leaving `pdf` as it was, when the file is not laid out as expected.
bool addInfoEntries(QByteArray& pdf, const QByteArray& entries) {
    static const QRegularExpression infoRef(QStringLiteral("/Info (\\d+) 0 R"));
    const qsizetype trailer = pdf.lastIndexOf("\ntrailer");
    const qsizetype xref = pdf.lastIndexOf("\nxref\n");
    const qsizetype startxref = pdf.lastIndexOf("\nstartxref\n");
    if (trailer < 0 || xref < 0 || startxref < trailer || xref > trailer)
        return false;
    const QRegularExpressionMatch m = infoRef.match(QString::fromLatin1(pdf.mid(trailer)));
    if (!m.hasMatch())
        return false;
    const QByteArray head = '\n' + m.captured(1).toLatin1() + " 0 obj\n<<\n";
    const qsizetype object = pdf.indexOf(head);
    if (object < 0 || object > xref)
        return false;
    const qsizetype at = object + head.size();
    const qsizetype delta = entries.size();

    // Entries: "nnnnnnnnnn ggggg n \n", 20 bytes each, after the "first count" line.
    QByteArray out = pdf;
    const qsizetype firstLine = xref + 6;
    const qsizetype lineEnd = out.indexOf('\n', firstLine);
    const QList<QByteArray> header = out.mid(firstLine, lineEnd - firstLine).trimmed().split(' ');
    bool ok = header.size() == 2;
    const int count = ok ? header.at(1).toInt(&ok) : 0;
    if (!ok)
        return false;
    for (int i = 0; i < count; ++i) {
        const qsizetype e = lineEnd + 1 + qsizetype(i) * 20;
        if (e + 20 > trailer + 1)
            return false;
        if (out.at(e + 17) != 'n')
            continue;
        const qlonglong offset = out.mid(e, 10).toLongLong(&ok);
        if (!ok)
            return false;
        if (offset >= at)
            out.replace(e, 10, QByteArray::number(offset + delta).rightJustified(10, '0'));
    }
    const qsizetype numberAt = startxref + 11;
    const qsizetype numberEnd = out.indexOf('\n', numberAt);
    const qlonglong start = out.mid(numberAt, numberEnd - numberAt).trimmed().toLongLong(&ok);
    if (!ok)
        return false;
    out.replace(numberAt, numberEnd - numberAt, QByteArray::number(start + delta) + ' ');
    out.insert(at, entries);
    pdf = out;
    return true;
}

} // namespace

bool writePdf(const ReportDocument& document, const QString& path, const PdfInfo& info) {
    {
        QPdfWriter writer(path);
        writer.setTitle(info.title.isEmpty() ? document.name() : info.title);
        writer.setCreator(info.creator);
        if (!paint(document, writer))
            return false;
    }
    QByteArray entries;
    if (!info.author.isEmpty())
        entries += "/Author " + pdfText(info.author) + '\n';
    if (!info.subject.isEmpty())
        entries += "/Subject " + pdfText(info.subject) + '\n';
    if (entries.isEmpty())
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray pdf = file.readAll();
    file.close();
    if (!addInfoEntries(pdf, entries))
        return true; // a readable file without those two entries is still the document
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(pdf) == pdf.size() && file.flush();
}

} // namespace dp::report
