#pragma once

#include "report/ReportDocument.h"
#include "storage/TextRows.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <memory>

namespace dp::report {

// A printed list: an A4 landscape page with 10 mm margins; on every page a title band
// (`txtTitolo`, white bold on slate grey, centred), the memo band with the list lines
// (`txtRiepilogo`, one memo line per list line, split across pages where it runs out of
// room), and a footer band (`txtPagina`, the footer with [DATE] filled in, and
// `txtNumeroPagina` "Pagina n di m" when page numbers are on).
struct ListReportConfig {
    QString title;
    QStringList lines; // after the rows of a ListReport's body, if it has one
    QDate printDate;   // invalid: today
    QString footer = QStringLiteral("Stampa eseguita in data [DATE]");
    QString fontFamily = QStringLiteral("Courier New");
    qreal fontPointSize = 8;
    qreal memoLineHeight96 = 12.822; // height of one memo line in 1/96 inch; 0: from the font
    bool pageNumbers = true;
    QString name = QStringLiteral("Riepilogo dati"); // document name (print job)
};

// A list of any length laid out page by page as the pages are shown or printed: only the
// font and the page count are worked out when it is made, from the longest line the body
// declares (TextRows::maxLength) where it can, so that a million-line list previews at
// once. The memo holds the body's lines (cell 0 of each row) and then the request's lines.
//
// Lines too wide for the memo are first drawn in a smaller font for the whole memo (so
// columns stay aligned), down to 6 pt; what still does not fit continues on the next memo
// line, so no character is lost. A line break inside a line prints as a blank. An empty
// list gives one page with title and footer. Needs a QGuiApplication (font metrics).
class ListReport final : public PageSource {
  public:
    explicit ListReport(const ListReportConfig& request,
                        std::shared_ptr<const TextRows> body = nullptr);

    QString name() const override { return m_request.name; }
    QPageLayout pageLayout() const override { return m_layout; }
    int pageCount() const override { return m_pages; }
    ReportPage layoutPage(int index) const override;

  private:
    qsizetype lineCount() const;
    QString lineAt(qsizetype index) const;
    QString memoRow(qsizetype row) const;

    ListReportConfig m_request;
    std::shared_ptr<const TextRows> m_body;
    QPageLayout m_layout;
    QFont m_font;
    qreal m_pitch = 0;
    int m_perPage = 1;
    int m_pages = 1;
    qsizetype m_rows = 0;
    QString m_footer;
    // Every memo row, when some line had to continue on the next row; empty otherwise, and
    // memo rows are the lines themselves.
    QStringList m_broken;
};

// A list of a few pages laid out whole, for output and inspection (the same layout).
ReportDocument prepareList(const ListReportConfig& request);

// How many memo lines fit on one page with this request (at least 1).
int listLinesPerPage(const ListReportConfig& request);

// The footer text with every "[DATE]" replaced by the date as dd/mm/yyyy.
QString fillFooter(const QString& footer, const QDate& date);

} // namespace dp::report
