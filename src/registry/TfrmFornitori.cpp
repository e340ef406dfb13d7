#include "registry/TfrmFornitori.h"

#include "storage/Layouts.h"

namespace dp {

namespace {

// Enter order; the record holds the fields in this same order. No supplier field refuses
// characters: firm names and goods carry "&", "/" and accented letters.
const SheetField kFields[] = {
    {{"txtDitta", 50, "txtTitolare"}, "Denominazione Ditta:"},
    {{"txtTitolare", 120, "txtRecapito"}, "Titolare:"},
    {{"txtRecapito", 50, "txtIndirizzoRes"}, "Telefono preferenziale:"},
    {{"txtIndirizzoRes", 50, "txtProvRes"}, "Via / Piazza e numero civico:"},
    {{"txtProvRes", 2, "txtComuneRes", Filter::None, Rewrite::UpperTrim, Normalise::UpperTrim},
     "Prov.",
     true},
    {{"txtComuneRes", 50, "txtCapRes"}, "Città:"},
    {{"txtCapRes", 5, "txtPagamento"}, "CAP:"},
    {{"txtPagamento", 250, "txtTelCasa"}, "Modalità di pagamento:"},
    {{"txtTelCasa", 30, "txtTelUff"}, "Tel. casa:"},
    {{"txtTelUff", 30, "txtTelCel"}, "Tel. ufficio:"},
    {{"txtTelCel", 30, "txtFax"}, "Tel. cellulare:"},
    {{"txtFax", 30, "txtEmail"}, "Fax:"},
    {{"txtEmail", 50, "txtCodFisc", Filter::None, Rewrite::Trim, Normalise::Trim}, "E-mail:"},
    {{"txtCodFisc", 16, "txtCarta", Filter::None, Rewrite::UpperTrim}, "Codice fiscale:"},
    {{"txtCarta", 30, "txtScadeCarta", Filter::Digits}, "Carta di credito n."},
    {{"txtScadeCarta", 30, "txtPartitaIva"}, "Scadenza:"},
    {{"txtPartitaIva", 11, "txtIban", Filter::Digits}, "Partita IVA:"},
    {{"txtIban", 27, "txtArticoli", Filter::None, Rewrite::UpperTrim}, "IBAN:"},
    {{"txtArticoli", 250, "txtOfferte"}, "Articoli forniti:"},
    {{"txtOfferte", 250, "txtOrdine"}, "Offerte e sconti:"},
    {{"txtOrdine", 250, "txtQuestioni"}, "Modalità di ordine merce:"},
    {{"txtQuestioni", 250, "txtNote"}, "Questioni in sospeso:"},
    {{"txtNote", 250, "txtDitta"}, "Note:"},
};

const SheetGroup kGroups[] = {
    {"grpAnagrafica", "Ditta", 0, "txtDitta|txtTitolare|txtRecapito"},
    {"grpResidenza", "Sede", 0, "txtIndirizzoRes|txtProvRes|txtComuneRes|txtCapRes"},
    {"grpRecapiti", "Recapiti", 1, "txtTelCasa|txtTelUff|txtTelCel|txtFax|txtEmail"},
    {"grpFiscali", "Dati fiscali e pagamento", 1,
     "txtCodFisc|txtPartitaIva|txtCarta|txtScadeCarta|txtIban"},
    {"grpForniture", "Condizioni di fornitura", 2, "txtPagamento|txtArticoli|txtOfferte|txtOrdine"},
    {"grpNote", "Note", 2, "txtQuestioni|chkRicontatta|txtNote"},
};

const int kColumnStretch[] = {1, 1, 1};

const RequiredField kRequired[] = {
    {"txtDitta", "Attenzione: per salvare la scheda è necessario indicare la denominazione della "
                 "Ditta fornitrice."},
};

const SheetConfig kConfig{
    "TfrmFornitori",
    " Depotta - Anagrafica Fornitori",
    "Scheda fornitore",
    TSchedaFornitore,
    kFields,
    kGroups,
    kColumnStretch,
    kRequired,
    "Visualizza l'elenco dei fornitori da ricontattare.",
    "Annota che il fornitore è da ricontattare per questioni in sospeso.",
    HelpTopic::Fornitori,
    printing::kSupplierSheet,
    search::supplierSearch(),
    "fornitori",
    search::supplierRecontactList(),
    "fornitori",
    exports::ExportArchive::Suppliers,
};

} // namespace

TfrmFornitori::TfrmFornitori(AppContext& ctx) : RegistrySheet(ctx, kConfig) {}

} // namespace dp
