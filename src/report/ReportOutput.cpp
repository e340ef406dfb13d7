#include "report/ReportOutput.h"

#include "ui/AppContext.h"
#include "ui/Platform.h"

#include <QPrinter>

namespace dp::report {

bool printWithDialog(AppContext& ctx, QWidget* parent, const ReportDocument& document)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(document.pageLayout());
    printer.setDocName(document.name());
    if (!ctx.platform().choosePrinter(parent, printer))
        return false;
    return paint(document, printer);
}

void showPreview(AppContext&, QWidget*, const ReportDocument&)
{
}

} // namespace dp::report
