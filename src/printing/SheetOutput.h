#pragma once

#include "printing/SheetContent.h"

#include <functional>

class QWidget;

namespace dp {
class AppContext;
}

namespace dp::printing {

enum class SheetOutput { Print, Preview, Pdf };

// A screen's controls found by their names: edit fields, province boxes and check boxes.
class ControlSheetSource final : public SheetSource {
  public:
    explicit ControlSheetSource(QWidget* screen, std::function<QImage()> photo = {});

    QString text(const QString& control) const override;
    void setText(const QString& control, const QString& text) override;
    QImage photo() const override;

  private:
    QWidget* m_screen;
    std::function<QImage()> m_photo;
};

// Prints the sheet through the print dialog, shows it in the preview window, or writes it
// as `pdfFile` in the program directory and offers to open it. A PDF that cannot be written
// is reported and leaves the earlier file as it was.
void outputSheet(AppContext& ctx, QWidget* parent, const report::ReportDocument& sheet,
                 SheetOutput output, const char* pdfFile = nullptr);

// cmdStampa, cmdAnteprima and cmdPDF of the customer and supplier sheets: the record on
// screen, saved or not.
void outputRegistrySheet(AppContext& ctx, QWidget* screen, const RecordSheetConfig& config,
                         SheetOutput output);

} // namespace dp::printing
