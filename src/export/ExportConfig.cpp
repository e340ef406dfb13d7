#include "export/ExportConfig.h"

#include "storage/Layouts.h"
#include "storage/ProgramFiles.h"

namespace dp::exports {

namespace {

using K = CellKind;

constexpr ExportColumn kProducts[] = {
    {"Codice articolo", 250, Prodotto::Codice},
    {"Costo unitario", 200, Prodotto::Costo, -1, K::Plain},
    {"Nome prodotto", 250, Prodotto::Nome},
    {"Giacenza", 180, Prodotto::Giacenza, -1, K::Plain},
    {"Aspetto esteriore del bene", 250, Prodotto::UM},
    {"Categoria merceologica", 250, Prodotto::Tipologia},
    {"Caratteristiche", 350, Prodotto::Caratteristiche},
    {"Collocazione in magazzino", 250, Prodotto::Collocazione},
    {"Ditta fornitrice", 250, Prodotto::Ditta},
    {"Titolare", 250, Prodotto::Agente},
    {"Recapito telefonico", 200, Prodotto::Recapito},
    {"Documento di acquisto", 250, Prodotto::Documento},
    {"Modalità di pagamento", 250, Prodotto::Pagamento},
    {"Data scadenza", 200, Prodotto::DataSca, -1, K::Plain},
    {"Note", 350, Prodotto::Note},
    {"Prezzo di vendita", 200, Prodotto::Prezzo, -1, K::Plain},
    {"Pagato", 150, Prodotto::Pagato},
};

constexpr ExportColumn kCustomers[] = {
    {"Cliente", 250, Cliente::Cognome, Cliente::Nome},
    {"Denominazione Ditta", 250, Cliente::Ditta},
    {"Sesso", 150, Cliente::Sesso},
    {"Telefono preferenziale", 250, Cliente::Recapito},
    {"Indirizzo di residenza", 300, Cliente::IndirizzoRes},
    {"Comune di residenza", 250, Cliente::ComuneRes, Cliente::ProvRes},
    {"CAP", 180, Cliente::CapRes},
    {"Tel. casa", 250, Cliente::TelCasa},
    {"Tel. ufficio", 250, Cliente::TelUff},
    {"Tel. cellulare", 250, Cliente::TelCel},
    {"Indirizzo PEC", 250, Cliente::Pec},
    {"E-mail", 250, Cliente::Email},
    {"Codice fiscale", 250, Cliente::CodFisc},
    {"Partita IVA", 250, Cliente::PartitaIva},
    {"Carta di credito n.", 300, Cliente::Carta},
    {"IBAN", 300, Cliente::Iban},
    {"Tipo documento", 250, Cliente::TipoPat},
    {"Numero documento", 200, Cliente::NumPat},
    {"Ente rilascio", 250, Cliente::EnteRil},
    {"Data rilascio", 200, Cliente::DataRil, -1, K::Plain},
    {"Data scadenza", 200, Cliente::DataSca, -1, K::Plain},
    {"Prodotti e servizi di interesse", 350, Cliente::Conducente},
    {"Questioni in sospeso", 350, Cliente::Questioni},
    {"Note", 350, Cliente::Note},
    {"Codice Destinatario", 200, Cliente::CodiceDest},
};

constexpr ExportColumn kSuppliers[] = {
    {"Denominazione Ditta", 250, Fornitore::Ditta},
    {"Titolare", 250, Fornitore::Titolare},
    {"Telefono preferenziale", 250, Fornitore::Recapito},
    {"Indirizzo", 300, Fornitore::IndirizzoRes},
    {"Città", 250, Fornitore::ComuneRes, Fornitore::ProvRes},
    {"CAP", 150, Fornitore::CapRes},
    {"Modalità di pagamento", 250, Fornitore::Pagamento},
    {"Tel. casa", 250, Fornitore::TelCasa},
    {"Tel. ufficio", 250, Fornitore::TelUff},
    {"Tel. cellulare", 250, Fornitore::TelCel},
    {"Fax", 250, Fornitore::Fax},
    {"E-mail", 250, Fornitore::Email},
    {"Codice fiscale", 250, Fornitore::CodFisc},
    {"Partita IVA", 250, Fornitore::PartitaIva},
    {"Carta di credito n.", 300, Fornitore::Carta},
    {"Scadenza", 150, Fornitore::ScadeCarta},
    {"IBAN", 300, Fornitore::Iban},
    {"Articoli forniti", 300, Fornitore::Articoli},
    {"Offerte e sconti", 300, Fornitore::Offerte},
    {"Modalità di ordine merce", 300, Fornitore::Ordine},
    {"Questioni in sospeso", 300, Fornitore::Questioni},
    {"Note", 300, Fornitore::Note},
};

// The quantity comes before the unit amount, the reverse of their order in the record.
constexpr ExportColumn kMovements[] = {
    {"Data carico", 180, Movimento::Data, -1, K::Plain, "Data scarico"},
    {"Ora carico", 180, Movimento::Ora, -1, K::Plain, "Ora scarico"},
    {"Codice articolo", 200, Movimento::Codice},
    {"Categoria merceologica", 250, Movimento::Categoria},
    {"Nome prodotto", 250, Movimento::Nome},
    {"Aspetto esteriore", 250, Movimento::Aspetto},
    {"Quantità caricata", 200, Movimento::Aggiunta, -1, K::Right, "Quantità scaricata"},
    {"Costo unitario", 180, Movimento::Importo, -1, K::Right, "Prezzo unitario"},
    {"Note", 300, Movimento::Note},
};

const ExportConfig kConfigs[] = {
    {ExportArchive::Products, "TfrmExpMagazzino", " Esporta magazzino prodotti in Microsoft Excel",
     &TSchedaProdotto, programfiles::kProducts, "Magazzino.xls", "Magazzino Prodotti",
     HelpTopic::EsportaMagazzino, kProducts, Prodotto::Pagamento, "Modalitò di pagamento"},
    {ExportArchive::Customers, "TfrmExpClienti", " Esporta archivio clienti in Microsoft Excel",
     &TSchedaCliente, programfiles::kCustomers, "Clienti.xls", "Riepilogo Clienti",
     HelpTopic::EsportaClienti, kCustomers},
    {ExportArchive::Suppliers, "TfrmExpFornitori", " Esporta archivio fornitori in Microsoft Excel",
     &TSchedaFornitore, programfiles::kSuppliers, "Fornitori.xls", "Riepilogo Fornitori",
     HelpTopic::EsportaFornitori, kSuppliers},
    {ExportArchive::LoadJournal, "TfrmExpCarico",
     " Esporta archivio movimenti di carico merce in Microsoft Excel", &TMovimento, nullptr,
     "Registro_Carico.xls", "Registro Carico", HelpTopic::EsportaCarico, kMovements},
    {ExportArchive::UnloadJournal, "TfrmExpScarico",
     " Esporta archivio movimenti di scarico merce in Microsoft Excel", &TMovimento, nullptr,
     "Registro_Scarico.xls", "Registro Scarico", HelpTopic::EsportaScarico, kMovements},
};

} // namespace

QString ExportConfig::header(int column) const {
    const ExportColumn& c = columns[column];
    const bool unload = archive == ExportArchive::UnloadJournal && c.unloadHeader;
    return QString::fromUtf8(unload ? c.unloadHeader : c.header);
}

QString ExportConfig::gridHeader(int column) const {
    if (gridHeaderText && columns[column].field == gridHeaderField)
        return QString::fromUtf8(gridHeaderText);
    return header(column);
}

const ExportConfig& exportConfig(ExportArchive archive) {
    for (const ExportConfig& c : kConfigs)
        if (c.archive == archive)
            return c;
    return kConfigs[0];
}

const ExportConfig* findExportConfig(QStringView className) {
    for (const ExportConfig& c : kConfigs)
        if (className == QLatin1String(c.className))
            return &c;
    return nullptr;
}

} // namespace dp::exports
