#pragma once

#include "report/ReportDocument.h"

#include <QImage>
#include <QString>

namespace dp::report {

// The one-page record sheets: A4 portrait, 10 mm margins, every object at a fixed place
// and named so that the program fills it (txtTitolo, titCampoNN and txtCampoNN for the
// label and value of row NN, txtCalce for the footer, imgFoto for the product's photo).
enum class SheetLayout {
    Registry,         // customer and supplier sheets: 24 rows
    Product,          // 18 rows and a framed box for handwritten notes
    ProductWithPhoto, // the photo above 18 closer rows
};

// Everything the layout needs to place its objects, in millimetres from the top-left
// corner of the printable area.
struct SheetLayoutConfig {
    int rows;
    qreal firstRowTop;
    qreal rowPitch;
    bool notesBox;
    bool photo;
};
SheetLayoutConfig sheetLayoutConfig(SheetLayout layout);

// Builds the layout with every object in place and every text empty; the logo is drawn in.
// Texts never wrap: one that is longer than its box is cut at the box's edge.
ReportDocument buildSheet(SheetLayout layout);

// "titCampo07", "txtCampo07".
QString rowLabelName(int row);
QString rowValueName(int row);

// The mark printed in the sheet's top-left corner.
QImage sheetLogo();

} // namespace dp::report
