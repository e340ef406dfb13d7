#include "report/ListReport.h"

#include <algorithm>
#include <cmath>

namespace dp::report {

namespace {

// Band geometry of the list page, in millimetres.
constexpr qreal kBandHeight = 8;  // title band and footer band
constexpr qreal kStripHeight = 5; // the grey title and footer strips inside their bands
constexpr qreal kMemoWidth = 273;
constexpr qreal kMinMemoPoints = 6; // wide lines shrink the memo font down to this
const QColor kSlateGrey(112, 128, 144);

QFont bandFont(qreal points) {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QFont memoFont(const ListReportConfig& request, qreal points) {
    QFont font(request.fontFamily);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(points);
    return font;
}

qreal memoLeft(const QSizeF& content) {
    return (content.width() - kMemoWidth) / 2;
}

qreal linePitchMm(const ListReportConfig& request, const QFont& font) {
    // A height smaller than the font's own line would draw the lines over each other.
    const qreal own = lineSpacingMm(font);
    return request.memoLineHeight96 > 0 ? std::max(unitsToMm(request.memoLineHeight96), own) : own;
}

int linesPerPage(const QSizeF& content, qreal pitch) {
    const qreal room = content.height() - 2 * kBandHeight;
    return std::max(1, int(std::floor(room / pitch + 1e-9)));
}

// Width the memo lines may take, inside its padding.
qreal memoTextWidth() {
    return kMemoWidth - 2 * ReportItem().padding;
}

// The longest prefix of `text` that fits in `width` (at least one character).
qsizetype fittingLength(const TextMeasure& measure, const QString& text, qreal width) {
    qsizetype lo = 1, hi = text.size();
    while (lo < hi) {
        const qsizetype mid = (lo + hi + 1) / 2;
        if (measure.fits(text.left(mid), width))
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

// Picks the memo font (smaller when a line is too wide) and breaks what still does not fit.
QStringList fitLines(const ListReportConfig& request, QFont& font) {
    const qreal width = memoTextWidth();
    {
        const TextMeasure measure(font);
        const QString* widestLine = nullptr;
        qreal widest = 0;
        for (const QString& line : request.lines) {
            const qreal w = measure.quickWidthMm(line);
            if (w > widest) {
                widest = w;
                widestLine = &line;
            }
        }
        if (widestLine && !measure.fits(*widestLine, width)) {
            widest = std::max(widest, measure.widthMm(*widestLine));
            const qreal points = std::floor(request.fontPointSize * width / widest * 10) / 10;
            font = memoFont(request,
                            std::max(kMinMemoPoints, std::min(points, request.fontPointSize)));
        }
    }
    const TextMeasure measure(font);
    QStringList out;
    out.reserve(request.lines.size());
    for (const QString& given : request.lines) {
        QString line = given; // shares the text, no copy
        // A line break inside a line (a note typed in several lines) would shift every
        // line after it; it prints as a blank instead.
        if (line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')))
            line.replace(QLatin1Char('\n'), QLatin1Char(' '))
                .replace(QLatin1Char('\r'), QLatin1Char(' '));
        if (measure.fits(line, width)) {
            out.append(line);
            continue;
        }
        QString rest = line;
        while (!measure.fits(rest, width)) {
            const qsizetype n = fittingLength(measure, rest, width);
            out.append(rest.left(n));
            rest = rest.mid(n);
        }
        out.append(rest);
    }
    return out;
}

ReportItem strip(const QString& name, const QString& text, qreal top, const QSizeF& content,
                 qreal points) {
    ReportItem item;
    item.name = name;
    item.text = text;
    item.rect = QRectF(memoLeft(content), top, kMemoWidth, kStripHeight);
    item.font = bandFont(points);
    item.color = Qt::white;
    item.fill = kSlateGrey;
    item.alignment = Qt::AlignCenter;
    return item;
}

} // namespace

QString fillFooter(const QString& footer, const QDate& date) {
    QString out = footer;
    return out.replace(QStringLiteral("[DATE]"), date.toString(QStringLiteral("dd/MM/yyyy")));
}

int listLinesPerPage(const ListReportConfig& request) {
    const ReportDocument doc(QPageLayout::Landscape);
    return linesPerPage(doc.contentSize(),
                        linePitchMm(request, memoFont(request, request.fontPointSize)));
}

ReportDocument prepareList(const ListReportConfig& request) {
    ReportDocument doc(QPageLayout::Landscape);
    doc.setName(request.name);
    const QSizeF content = doc.contentSize();

    QFont font = memoFont(request, request.fontPointSize);
    const qreal pitch = linePitchMm(request, font); // the row height stays that of the given size
    const QStringList lines = fitLines(request, font);
    const int perPage = linesPerPage(content, pitch);
    const int pages = std::max<int>(1, int((lines.size() + perPage - 1) / perPage));

    const QDate date = request.printDate.isValid() ? request.printDate : QDate::currentDate();
    const QString footer = fillFooter(request.footer, date);
    const qreal footerTop = content.height() - kStripHeight;

    for (int p = 0; p < pages; ++p) {
        ReportPage& page = doc.addPage();
        page.items.append(strip(QStringLiteral("txtTitolo"), request.title, 0, content, 9));

        ReportItem memo;
        memo.name = QStringLiteral("txtRiepilogo");
        const QStringList chunk = lines.mid(qsizetype(p) * perPage, perPage);
        memo.text = chunk.join(QLatin1Char('\n'));
        memo.rect = QRectF(memoLeft(content), kBandHeight, kMemoWidth, chunk.size() * pitch);
        memo.font = font;
        memo.linePitch = pitch;
        memo.shrinkToFit = false; // already fitted above, for the whole memo alike
        page.items.append(memo);

        page.items.append(strip(QStringLiteral("txtPagina"), footer, footerTop, content, 8));
        if (request.pageNumbers) {
            ReportItem number = strip(QStringLiteral("txtNumeroPagina"),
                                      QStringLiteral("Pagina %1 di %2").arg(p + 1).arg(pages),
                                      footerTop, content, 8);
            constexpr qreal numberWidth = 40;
            number.rect.setLeft(number.rect.right() - numberWidth);
            number.fill = QColor();
            number.padding = 2;
            number.alignment = Qt::AlignRight | Qt::AlignVCenter;
            page.items.append(number);
        }
    }
    return doc;
}

} // namespace dp::report
