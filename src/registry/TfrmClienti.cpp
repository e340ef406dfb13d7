#include "registry/TfrmClienti.h"

#include "storage/Layouts.h"

namespace dp {

namespace {

constexpr Filter S = Filter::Refused;

// Enter order; the record holds the fields in this same order.
const SheetField kFields[] = {
    {{"txtCognome", 50, "txtNome", S}, "Cognome:"},
    {{"txtNome", 50, "txtDitta", S}, "Nome:"},
    {{"txtDitta", 50, "txtSesso", Filter::RefusedButAmp}, "Denominazione Ditta:"},
    {{"txtSesso", 1, "txtRecapito", Filter::None, Rewrite::Upper}, "Sesso:"},
    {{"txtRecapito", 50, "txtIndirizzoRes", S}, "Telefono preferenziale:"},
    {{"txtIndirizzoRes", 50, "txtProvRes", S}, "Residente in Via / Piazza e numero civico:"},
    {{"txtProvRes", 2, "txtComuneRes", S, Rewrite::UpperTrim, Normalise::UpperTrim}, "Prov.", true},
    {{"txtComuneRes", 50, "txtCapRes", S}, "Comune di residenza:"},
    {{"txtCapRes", 5, "txtDataNasc", Filter::Digits, Rewrite::UpperTrim}, "CAP:"},
    {{"txtDataNasc", 30, "txtComuneNasc"}, "Data di nascita:"},
    {{"txtComuneNasc", 50, "txtProvNasc"}, "Comune di nascita:"},
    {{"txtProvNasc", 2, "txtTelCasa", Filter::None, Rewrite::UpperTrim, Normalise::UpperTrim},
     "Prov.",
     true},
    {{"txtTelCasa", 30, "txtTelUff"}, "Tel. casa:"},
    {{"txtTelUff", 30, "txtTelCel"}, "Tel. ufficio:"},
    {{"txtTelCel", 30, "txtPec"}, "Tel. cellulare:"},
    {{"txtPec", 60, "txtEmail", S, Rewrite::Trim}, "Indirizzo PEC:"},
    {{"txtEmail", 50, "txtCodFisc", Filter::None, Rewrite::Trim, Normalise::Trim}, "E-mail:"},
    {{"txtCodFisc", 16, "txtCarta", S, Rewrite::UpperTrim}, "Codice fiscale:"},
    {{"txtCarta", 30, "txtScadeCarta", Filter::Digits}, "Carta di credito n."},
    {{"txtScadeCarta", 30, "txtPartitaIva"}, "Scadenza:"},
    {{"txtPartitaIva", 11, "txtIban", Filter::Digits}, "Partita IVA:"},
    {{"txtIban", 27, "txtTipoPat", S, Rewrite::UpperTrim}, "IBAN:"},
    {{"txtTipoPat", 30, "txtNumPat"}, "Tipo documento:"},
    {{"txtNumPat", 50, "txtEnteRil"}, "Numero:"},
    {{"txtEnteRil", 50, "txtDataRil"}, "Ente di rilascio:"},
    {{"txtDataRil", 10, "txtDataSca"}, "Data di rilascio:"},
    {{"txtDataSca", 10, "txtConducente"}, "Data di scadenza:"},
    {{"txtConducente", 250, "txtQuestioni"}, "Prodotti e servizi di interesse:"},
    {{"txtQuestioni", 250, "txtNote"}, "Questioni in sospeso:"},
    {{"txtNote", 250, "txtCodiceDest"}, "Note:"},
    {{"txtCodiceDest", 7, "txtCognome", S, Rewrite::UpperTrim},
     "Codice Destinatario (7 caratteri):"},
};

const SheetGroup kGroups[] = {
    {"grpAnagrafica", "Anagrafica", 0,
     "txtCognome|txtNome|txtDitta|txtSesso|txtDataNasc|txtComuneNasc|txtProvNasc"},
    {"grpResidenza", "Residenza", 0, "txtIndirizzoRes|txtProvRes|txtComuneRes|txtCapRes"},
    {"grpRecapiti", "Recapiti", 1, "txtRecapito|txtTelCasa|txtTelUff|txtTelCel|txtPec|txtEmail"},
    {"grpFiscali", "Dati fiscali e pagamento", 1,
     "txtCodFisc|txtPartitaIva|txtCarta|txtScadeCarta|txtIban|txtCodiceDest"},
    {"grpDocumento", "Documento di riconoscimento", 2,
     "txtTipoPat|txtNumPat|txtEnteRil|txtDataRil|txtDataSca"},
    {"grpNote", "Note", 2, "txtConducente|txtQuestioni|chkRicontatta|txtNote"},
};

const int kColumnStretch[] = {1, 1, 1};

const RequiredField kRequired[] = {
    {"txtCognome",
     "Attenzione: per salvare la scheda è necessario indicare il cognome del cliente."},
    {"txtNome", "Attenzione: per salvare la scheda è necessario indicare il nome del cliente."},
};

const SheetConfig kConfig{
    "TfrmClienti",
    " Depotta - Anagrafica Clienti",
    "Scheda cliente",
    TSchedaCliente,
    kFields,
    kGroups,
    kColumnStretch,
    kRequired,
    "Visualizza l'elenco dei Clienti da ricontattare.",
    "Annota che il cliente è da ricontattare per questioni in sospeso.",
    HelpTopic::Clienti,
    printing::kCustomerSheet,
    search::customerSearch(),
    "clienti",
    search::customerRecontactList(),
    "clienti",
    exports::ExportArchive::Customers,
};

} // namespace

TfrmClienti::TfrmClienti(AppContext& ctx) : RegistrySheet(ctx, kConfig) {}

} // namespace dp
