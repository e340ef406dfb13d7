#pragma once

#include "printing/SheetOutput.h"
#include "ui/ToolDialog.h"

#include <QImage>

class QLabel;
class QRadioButton;

namespace dp {

// What tells the print option screen from the preview option screen.
struct ProductOptionsConfig {
    const char* className;
    const char* caption;
    const char* withPhoto;    // optUno
    const char* withoutPhoto; // optDue
    const char* confirm;      // btnStampa
    printing::SheetOutput output;
};

// The option screen of the product sheet's print and preview: with or without the photo.
// The choice is held in a member and shown in lblMemory ("con" or "senza"); the photo of the
// sheet is copied into the hidden imgLogo when the screen is made and again when it is shown.
class ProductSheetOptions : public ToolDialog {
    Q_OBJECT
  public:
    // `sheet` is the product sheet that opens the screen; none for the start-up instance.
    ProductSheetOptions(AppContext& ctx, QWidget* owner, const ProductOptionsConfig& config,
                        printing::SheetSource* sheet);

    QImage copiedPhoto() const { return m_photo; }

  public Q_SLOTS:
    void btnStampaClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void copyPhoto();

    const ProductOptionsConfig& m_config;
    printing::SheetSource* m_sheet;
    QImage m_photo;
    bool m_withPhoto = true;
    QLabel* m_imgLogo = nullptr;
    QLabel* m_imgBianco = nullptr;
};

// Opens a fresh option screen of that kind owned by the product sheet, modally, and
// destroys it when it closes.
void openProductSheetOptions(AppContext& ctx, QWidget* productScreen, printing::SheetOutput output,
                             printing::SheetSource& sheet);

} // namespace dp
