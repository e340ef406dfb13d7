#include "report/ListReport.h"

#include <QFontInfo>

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

// A line break inside a line (a note typed in several lines) would shift every line after
// it; it prints as a blank instead.
QString oneLine(QString line) {
    if (line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')))
        line.replace(QLatin1Char('\n'), QLatin1Char(' '))
            .replace(QLatin1Char('\r'), QLatin1Char(' '));
    return line;
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

QSizeF contentOf(const QPageLayout& layout) {
    const QSizeF paper = layout.fullRect(QPageLayout::Millimeter).size();
    const QMarginsF m = layout.margins(QPageLayout::Millimeter);
    return {paper.width() - m.left() - m.right(), paper.height() - m.top() - m.bottom()};
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

ListReport::ListReport(const ListReportConfig& request, std::shared_ptr<const TextRows> body)
    : m_request(request), m_body(std::move(body)),
      m_layout(ReportDocument(QPageLayout::Landscape).pageLayout()) {
    m_font = memoFont(request, request.fontPointSize);
    m_pitch = linePitchMm(request, m_font); // the row height stays that of the given size
    m_perPage = linesPerPage(contentOf(m_layout), m_pitch);

    // The widest line decides the font. A body that knows its longest line spares reading
    // every row, as long as every character is as wide as any other.
    const qreal width = memoTextWidth();
    const qsizetype declared = m_body ? m_body->maxLength(0) : -1;
    const bool fromDeclared = declared >= 0 && QFontInfo(m_font).fixedPitch();
    QString widestLine;
    {
        const TextMeasure measure(m_font);
        qreal widest = 0;
        auto consider = [&](const QString& line) {
            const qreal w = measure.quickWidthMm(line);
            if (w > widest) {
                widest = w;
                widestLine = line;
            }
        };
        const qsizetype bodyLines = m_body ? m_body->count() : 0;
        if (fromDeclared && bodyLines > 0)
            consider(QString(declared, QLatin1Char('0')));
        for (qsizetype i = fromDeclared ? bodyLines : 0; i < lineCount(); ++i)
            consider(lineAt(i));
        if (!widestLine.isEmpty() && !measure.fits(widestLine, width)) {
            widest = std::max(widest, measure.widthMm(widestLine));
            const qreal points = std::floor(request.fontPointSize * width / widest * 10) / 10;
            m_font = memoFont(request,
                              std::max(kMinMemoPoints, std::min(points, request.fontPointSize)));
        }
    }

    // Lines that still do not fit continue on the next memo row: then every row is laid
    // out now (a list of such lines is a short one in practice).
    m_rows = lineCount();
    const TextMeasure measure(m_font);
    if (!widestLine.isEmpty() && !measure.fits(widestLine, width)) {
        for (qsizetype i = 0; i < lineCount(); ++i) {
            QString rest = lineAt(i);
            while (!measure.fits(rest, width)) {
                const qsizetype n = fittingLength(measure, rest, width);
                m_broken.append(rest.left(n));
                rest = rest.mid(n);
            }
            m_broken.append(rest);
        }
        m_rows = m_broken.size();
    }
    m_pages = std::max<int>(1, int((m_rows + m_perPage - 1) / m_perPage));

    const QDate date = request.printDate.isValid() ? request.printDate : QDate::currentDate();
    m_footer = fillFooter(request.footer, date);
}

qsizetype ListReport::lineCount() const {
    return (m_body ? m_body->count() : 0) + m_request.lines.size();
}

QString ListReport::lineAt(qsizetype index) const {
    const qsizetype bodyLines = m_body ? m_body->count() : 0;
    return oneLine(index < bodyLines ? m_body->line(index) : m_request.lines.at(index - bodyLines));
}

QString ListReport::memoRow(qsizetype row) const {
    return m_broken.isEmpty() ? lineAt(row) : m_broken.at(row);
}

ReportPage ListReport::layoutPage(int index) const {
    const QSizeF content = contentOf(m_layout);
    const qreal footerTop = content.height() - kStripHeight;
    ReportPage page;
    page.items.append(strip(QStringLiteral("txtTitolo"), m_request.title, 0, content, 9));

    ReportItem memo;
    memo.name = QStringLiteral("txtRiepilogo");
    const qsizetype first = qsizetype(index) * m_perPage;
    const qsizetype last = std::min(m_rows, first + m_perPage);
    for (qsizetype row = first; row < last; ++row) {
        if (row > first)
            memo.text += QLatin1Char('\n');
        memo.text += memoRow(row);
    }
    memo.rect = QRectF(memoLeft(content), kBandHeight, kMemoWidth,
                       std::max<qsizetype>(0, last - first) * m_pitch);
    memo.font = m_font;
    memo.linePitch = m_pitch;
    memo.shrinkToFit = false; // already fitted, for the whole memo alike
    page.items.append(memo);

    page.items.append(strip(QStringLiteral("txtPagina"), m_footer, footerTop, content, 8));
    if (m_request.pageNumbers) {
        ReportItem number = strip(QStringLiteral("txtNumeroPagina"),
                                  QStringLiteral("Pagina %1 di %2").arg(index + 1).arg(m_pages),
                                  footerTop, content, 8);
        constexpr qreal numberWidth = 40;
        number.rect.setLeft(number.rect.right() - numberWidth);
        number.fill = QColor();
        number.padding = 2;
        number.alignment = Qt::AlignRight | Qt::AlignVCenter;
        page.items.append(number);
    }
    return page;
}

ReportDocument prepareList(const ListReportConfig& request) {
    const ListReport list(request);
    ReportDocument doc(QPageLayout::Landscape);
    doc.setName(request.name);
    for (int p = 0; p < list.pageCount(); ++p)
        doc.addPage() = list.layoutPage(p);
    return doc;
}

} // namespace dp::report
