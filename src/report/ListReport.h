#pragma once

#include "report/ReportDocument.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace dp::report {

// A printed list: an A4 landscape page with 10 mm margins; on every page a title band
// (`txtTitolo`, white bold on slate grey, centred), the memo band with the list lines
// (`txtRiepilogo`, one memo line per list line, split across pages where it runs out of
// room), and a footer band (`txtPagina`, the footer with [DATE] filled in, and
// `txtNumeroPagina` "Pagina n di m" when page numbers are on).
struct ListReportConfig {
    QString title;
    QStringList lines;
    QDate printDate; // invalid: today
    QString footer = QStringLiteral("Stampa eseguita in data [DATE]");
    QString fontFamily = QStringLiteral("Courier New");
    qreal fontPointSize = 8;
    qreal memoLineHeight96 = 12.822; // height of one memo line in 1/96 inch; 0: from the font
    bool pageNumbers = true;
    QString name = QStringLiteral("Riepilogo dati"); // document name (print job)
};

// Lays the list out into pages. An empty list gives one page with title and footer.
// Lines too wide for the memo are first drawn in a smaller font for the whole memo (so
// columns stay aligned), down to 6 pt; what still does not fit continues on the next
// memo line, so no character is lost. A line break inside a line prints as a blank.
// Needs a QGuiApplication (font metrics).
ReportDocument prepareList(const ListReportConfig& request);

// How many memo lines fit on one page with this request (at least 1).
int listLinesPerPage(const ListReportConfig& request);

// The footer text with every "[DATE]" replaced by the date as dd/mm/yyyy.
QString fillFooter(const QString& footer, const QDate& date);

} // namespace dp::report
