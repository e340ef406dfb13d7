#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace dp::report {

// Report geometry is kept in millimetres; layouts given in 1/96-inch units convert here.
constexpr qreal kMmPerInch = 25.4;
constexpr qreal unitsToMm(qreal units96) {
    return units96 * kMmPerInch / 96.0;
}
constexpr qreal mmToUnits(qreal mm) {
    return mm * 96.0 / kMmPerInch;
}

// One object placed on a page. Objects that the program fills (a title, a value row, a
// photo) carry a name by which they are found; decorations may stay unnamed.
struct ReportItem {
    enum class Kind {
        Text,    // text in `rect`, optionally several lines at a fixed pitch
        Line,    // a straight line from rect.topLeft() to rect.bottomRight()
        Frame,   // the outline of `rect`
        Picture, // `picture` scaled into `rect` keeping its proportions, centred
    };

    Kind kind = Kind::Text;
    QString name;
    QRectF rect; // mm, from the top-left corner of the printable area

    // Text
    QString text; // lines separated by '\n'
    QFont font;   // point size; resolved against the device it is painted on
    QColor color = Qt::black;
    QColor fill; // invalid: no background
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    qreal linePitch = 0; // mm from one line's top to the next; 0: the font's line spacing
    qreal padding = 0.5; // mm kept free inside the left and right edges
    // A single line wider than its rect is drawn in a smaller font (down to 60 %) and, if
    // still too wide, elided: text is never cut mid-glyph or drawn over its neighbours.
    // Without it, a single line wider than its rect is cut at the rect's edge.
    bool shrinkToFit = true;

    // Line and frame
    qreal penWidth = 0.2; // mm

    // Picture
    QImage picture;

    // The lines of `text`; none when it is empty.
    QStringList lines() const;
};

struct ReportPage {
    QList<ReportItem> items;
};

// What printing, preview and PDF output draw: a page format and pages laid out one at a
// time, when they are shown or printed. A prepared ReportDocument is one; a long list
// (ListReport) lays out only the pages asked for.
class PageSource {
  public:
    virtual ~PageSource() = default;
    // Document name: the print job's name and the default PDF title.
    virtual QString name() const = 0;
    // A4 in the document's orientation, margins in millimetres.
    virtual QPageLayout pageLayout() const = 0;
    virtual int pageCount() const = 0;
    // The page at the 0-based index with its positioned objects.
    virtual ReportPage layoutPage(int index) const = 0;
};

// A prepared document: page format and every page with its positioned objects. It is
// built apart from printing, so tests inspect it and any QPagedPaintDevice can paint it
// (printer, PDF writer, print preview). Meant for short documents; long lists are laid out
// page by page as they are printed (ListReport).
//
// Fixed-position layouts (one-page record sheets) are documents too: build the page once
// with named objects, then fill them through findText()/findPicture() before output.
class ReportDocument : public PageSource {
  public:
    explicit ReportDocument(QPageLayout::Orientation orientation = QPageLayout::Portrait,
                            const QMarginsF& marginsMm = QMarginsF(10, 10, 10, 10));

    // Document name: the print job's name and the default PDF title.
    QString name() const override { return m_name; }
    void setName(const QString& name) { m_name = name; }

    // A4 in the given orientation, margins in millimetres.
    QPageLayout pageLayout() const override { return m_layout; }
    void setOrientation(QPageLayout::Orientation orientation);
    // Size of the printable area (page minus margins) in millimetres.
    QSizeF contentSize() const;

    int pageCount() const override { return int(m_pages.size()); }
    ReportPage layoutPage(int index) const override { return m_pages.at(index); }
    const ReportPage& page(int index) const { return m_pages.at(index); }
    ReportPage& page(int index) { return m_pages[index]; }
    const QList<ReportPage>& pages() const { return m_pages; }
    ReportPage& addPage();
    // Discards the prepared pages, keeping name and page format.
    void clearPages() { m_pages.clear(); }

    // The first object with this name, looking through the pages in order; nullptr if none
    // (or, for the typed finders, if the object found is of another kind).
    ReportItem* find(const QString& name);
    const ReportItem* find(const QString& name) const;
    ReportItem* findText(const QString& name);
    ReportItem* findPicture(const QString& name);

    // Every line of text on a page, object by object in page order (top to bottom, then
    // left to right), each multi-line text split into its lines; empty texts are left out.
    QStringList pageTexts(int index) const;

  private:
    QString m_name;
    QPageLayout m_layout;
    QList<ReportPage> m_pages;
};

// Font measures in millimetres, device-independent (taken at 1200 dpi). They need a
// QGuiApplication for the font database.
qreal textWidthMm(const QFont& font, const QString& text);
qreal lineSpacingMm(const QFont& font);

// Measures many texts in one font quickly (a list of a million lines): widths are summed
// from cached character advances, and shaped exactly only when close to the limit asked.
class TextMeasure {
  public:
    explicit TextMeasure(const QFont& font);
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;
    ~TextMeasure();

    // Width by character advances (exact for fixed-pitch fonts without kerning).
    qreal quickWidthMm(const QString& text) const;
    qreal widthMm(const QString& text) const; // shaped
    bool fits(const QString& text, qreal widthMm) const;

  private:
    struct Data;
    Data* d;
};

// Told after each page painted, with the pages painted and the pages to paint; returns
// false to stop (the user cancelled).
using PaintProgress = std::function<bool(int done, int total)>;

// Paints every page on the device (only those in the device's page ranges, when the user
// chose some in the print dialog), setting the device's page layout to the document's;
// each page is laid out just before it is painted. Returns false when the device cannot be
// painted on (e.g. a PDF path not writable) or when `progress` stopped it.
bool paint(const PageSource& document, QPagedPaintDevice& device,
           const PaintProgress& progress = {});

// Draws one page on a painter whose device shows the whole paper of `layout` from its
// top-left corner at `dotsPerInch` (a preview image).
void paintPage(const ReportPage& page, const QPageLayout& layout, QPainter& painter,
               qreal dotsPerInch);

} // namespace dp::report
