#pragma once

#include "report/ReportDocument.h"

class QWidget;

namespace dp {
class AppContext;
}

namespace dp::report {

// Asks for a printer through the platform's print dialog and prints the document on it,
// laying out each page as it is printed; a long document shows a progress dialog whose
// "Annulla" stops the printing. Returns false when the user cancelled (in either dialog);
// a printer that cannot be used is reported to the user in an error notice (and also
// returns false).
bool printWithDialog(AppContext& ctx, QWidget* parent, const PageSource& document);

// Shows the document in a modal print preview window (PreviewDialog: print, zoom, full
// screen, close, page moves), opened at 100 % zoom. Printing from there goes to the
// printer chosen in the platform's print dialog.
void showPreview(AppContext& ctx, QWidget* parent, const PageSource& document);

} // namespace dp::report
