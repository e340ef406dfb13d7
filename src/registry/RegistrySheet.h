#pragma once

#include "app/HelpTopics.h"
#include "export/ExportConfig.h"
#include "printing/SheetContent.h"
#include "search/RecordLists.h"
#include "storage/Record.h"
#include "ui/FieldConventions.h"
#include "ui/SheetFrame.h"

#include <span>

class QLabel;
class QLineEdit;

namespace dp {

// One edit field of a registry sheet, in the sheet's Enter order.
struct SheetField {
    FieldConfig def;       // typing limit, Enter chain, filter, rewrites
    const char* label;     // caption beside the field
    bool province = false; // an editable box listing the province codes
};

// A framed group of fields. `rows` lists the controls row by row: rows separated by "|",
// the controls of one row by blanks (a field and its companion, such as a province box).
struct SheetGroup {
    const char* name; // objectName of the group box
    const char* title;
    int column; // column of the sheet; groups of a column stack in table order
    const char* rows;
};

// What tells the customer sheet and the supplier sheet apart.
struct SheetConfig {
    const char* className;
    const char* caption;
    const char* title; // of the heading band
    const RecordLayout& layout;
    std::span<const SheetField> fields; // Enter order; the first is where a new sheet starts
    std::span<const SheetGroup> groups;
    std::span<const int> columnStretch;         // relative widths of the columns
    std::span<const RequiredField> required;    // checked in this order by Salva
    const char* recontactHint;                  // cmdRicontatta
    const char* flagHint;                       // chkRicontatta
    HelpTopic help;                             // cmdGuida
    const printing::RecordSheetConfig& printed; // cmdStampa, cmdAnteprima, cmdPDF
    const search::SearchConfig& search;         // cmdTrova
    const char* searchTag;                      // the caller tag the search is given
    const search::RecordListConfig& recontact;  // cmdRicontatta
    const char* attachMode;                     // the attachment screen's tag for cmdFile
    exports::ExportArchive exportArchive;       // cmdEsporta
};

// The archive sheet shared by customers and suppliers: the fields with their rules, the
// browse arrows, new, save, duplicate, the e-mail and identifier-check hand-overs, in the
// frame of every archive sheet. Each sheet is one instance configured by its SheetConfig.
class RegistrySheet : public SheetFrame {
    Q_OBJECT
  public:
    RegistrySheet(AppContext& ctx, const SheetConfig& config);

  protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildGroups();
    void applyTabOrder();
    void connectButtons();

    QString trimmedText(const char* name) const;
    void clearProvinceSelection(QWidget* box);

    void newSheet();
    void cmdNuovoClick();
    void cmdSalvaClick();
    void cmdDuplicaClick();
    void cmdEsciClick();
    void cmdTrovaClick();
    void cmdRicontattaClick();
    void btnEmailClick();
    void btnCodFiscClick();
    void btnPartitaIvaClick();
    void btnCartaClick();
    void btnIbanClick();
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdStampaClick();
    void cmdAnteprimaClick();
    void cmdPDFClick();

    const SheetConfig& m_config;
};

} // namespace dp
