#pragma once

#include "report/ReportDocument.h"
#include "report/SheetLayout.h"

#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <span>
#include <variant>

namespace dp::printing {

// One row of a record sheet. `value` is the row's text with "{control}" standing for the
// trimmed text of that control of the screen ("Sì"/"No" for a check box): "{txtCognome}
// {txtNome}" joins the two with one blank, whatever they hold.
struct RecordSheetRow {
    const char* label;
    const char* value;
};

// What tells one record sheet from another.
struct RecordSheetConfig {
    const char* title;
    std::span<const RecordSheetRow> rows;
    const char* pdfFile; // in the program directory; null where the sheet has no PDF
};

extern const RecordSheetConfig kCustomerSheet;
extern const RecordSheetConfig kSupplierSheet;
extern const RecordSheetConfig kProductSheet;

// The screen a sheet is filled from, read as it is now, saved or not.
class SheetSource {
  public:
    virtual ~SheetSource() = default;
    // The control's text, untrimmed; "Sì" or "No" for a check box.
    virtual QString text(const QString& control) const = 0;
    virtual void setText(const QString& control, const QString& text) = 0;
    // The picture in the sheet's photo box; null when it shows no photo.
    virtual QImage photo() const = 0;
};

// Every control a sheet's rows read, in row order.
QStringList sheetControls(const RecordSheetConfig& config);

// A row's value with every "{control}" replaced by the control's trimmed text, and any line
// break or tab inside it by a blank: a row is one line. `extra` answers names that are no
// control (the product's "{totale}").
QString rowValue(const char* value, const SheetSource& source,
                 const std::function<QString(const QString&)>& extra = {});

// "Stampa eseguita in data 05/03/2024 alle ore 14:05:09".
QString footerText(const QDateTime& now);

// Sets title, rows and footer of a sheet built for the config.
void fillSheet(report::ReportDocument& sheet, const RecordSheetConfig& config,
               const SheetSource& source, const QDateTime& now,
               const std::function<QString(const QString&)>& extra = {});

// The customer or supplier sheet, laid out and filled.
report::ReportDocument registrySheet(const RecordSheetConfig& config, const SheetSource& source,
                                     const QDateTime& now);

// The product sheet, with or without the photo: first writes "0" into a blank stock field
// and "0,00" into a blank cost field (they stay on the screen), then values the stock at
// its cost. A stock or cost that is not a number gives the warning naming the field, and
// no sheet.
std::variant<report::ReportDocument, QString>
productSheet(SheetSource& source, bool withPhoto, const QImage& photo, const QDateTime& now);

} // namespace dp::printing
