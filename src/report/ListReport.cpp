#include "report/ListReport.h"

namespace dp::report {

QString fillFooter(const QString& footer, const QDate& date)
{
    QString out = footer;
    return out.replace(QStringLiteral("[DATE]"), date.toString(QStringLiteral("dd/MM/yyyy")));
}

int listLinesPerPage(const ListReportSpec&)
{
    return 1;
}

ReportDocument prepareList(const ListReportSpec& spec)
{
    ReportDocument doc(QPageLayout::Landscape);
    doc.setName(spec.name);
    doc.addPage();
    return doc;
}

} // namespace dp::report
