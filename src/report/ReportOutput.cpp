#include "report/ReportOutput.h"

#include "report/PreviewDialog.h"
#include "ui/AppContext.h"
#include "ui/Platform.h"

#include <QFile>
#include <QPrinter>
#include <QProgressDialog>
#include <QWidget>

#include <algorithm>

namespace dp::report {

namespace {

const QString kPrintFailed = QStringLiteral(
    "Attenzione: non è stato possibile eseguire la stampa.\n\nVerificare che la stampante "
    "selezionata sia disponibile e riprovare.");

// Documents of more pages than this show their progress from the first page on; shorter
// ones only if they take long.
constexpr int kPagesShownAtOnce = 10;

void preparePrinter(QPrinter& printer, const PageSource& document) {
    printer.setPageLayout(document.pageLayout());
    printer.setDocName(document.name().isEmpty() ? QStringLiteral("Depotta") : document.name());
}

// After the printer is chosen: the document keeps its own paper and orientation, whatever
// the dialog proposed, and copies and page ranges stay as the user set them. Each page is
// laid out as it is printed, under a progress dialog that can stop the printing.
bool printOn(AppContext& ctx, QWidget* parent, QPrinter& printer, const PageSource& document) {
    if (!printer.isValid()) {
        ctx.platform().notice(parent, NoticeKind::Error, kPrintFailed);
        return false;
    }
    QProgressDialog progress(parent);
    progress.setObjectName(QStringLiteral("dlgStampa"));
    progress.setWindowTitle(QStringLiteral(" Stampa in corso"));
    progress.setLabelText(QStringLiteral("Preparazione della stampa..."));
    progress.setCancelButtonText(QStringLiteral("Annulla"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setMinimumDuration(document.pageCount() > kPagesShownAtOnce ? 0 : 1500);
    progress.setRange(0, std::max(1, document.pageCount()));
    progress.setValue(0);

    bool cancelled = false;
    const bool ok = paint(document, printer, [&](int done, int total) {
        progress.setMaximum(total);
        progress.setLabelText(
            QStringLiteral("Stampa in corso: pagina %1 di %2.").arg(done).arg(total));
        progress.setValue(done); // also lets the dialog take the click on Annulla
        cancelled = progress.wasCanceled();
        return !cancelled;
    });
    if (cancelled) {
        // Nothing more goes out; a file the user chose to print into is not left half made.
        printer.abort();
        if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
            QFile::remove(printer.outputFileName());
        return false;
    }
    if (!ok) {
        ctx.platform().notice(parent, NoticeKind::Error, kPrintFailed);
        return false;
    }
    return true;
}

} // namespace

bool printWithDialog(AppContext& ctx, QWidget* parent, const PageSource& document) {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, document);
    if (!ctx.platform().choosePrinter(parent, printer))
        return false;
    return printOn(ctx, parent, printer, document);
}

void showPreview(AppContext& ctx, QWidget* parent, const PageSource& document) {
    PreviewDialog dialog(document, parent);
    // Printing goes through the same dialog as everywhere else in the program.
    QObject::connect(&dialog, &PreviewDialog::printRequested, &dialog, [&] {
        QPrinter chosen(QPrinter::HighResolution);
        preparePrinter(chosen, document);
        if (ctx.platform().choosePrinter(&dialog, chosen) &&
            printOn(ctx, &dialog, chosen, document))
            dialog.accept();
    });
    dialog.exec();
}

} // namespace dp::report
