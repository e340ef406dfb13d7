#pragma once

#include "report/ReportDocument.h"

class QWidget;

namespace dp {
class AppContext;
}

namespace dp::report {

// Asks for a printer through the platform's print dialog and prints the document on it.
// Returns false when the user cancelled; a printer that cannot be used is reported to
// the user in an error notice (and also returns false).
bool printWithDialog(AppContext& ctx, QWidget* parent, const ReportDocument& document);

// Shows the document in a modal print preview window (print, zoom, full screen, close;
// no page setup), opened at 100 % zoom. Printing from there goes to the printer chosen
// in the preview's own print dialog.
void showPreview(AppContext& ctx, QWidget* parent, const ReportDocument& document);

} // namespace dp::report
