#include "search/RecordLists.h"

#include "storage/Layouts.h"

namespace dp::search {

namespace {

// The product line of the search and of the low-stock list.
const LineFormat& productLine() {
    using namespace Prodotto;
    static const LineFormat f(TSchedaProdotto,
                              {lit("Cod. "), fit(Codice, 22), lit("  "), fit(Nome, 34),
                               lit("  Cat. "), fit(Tipologia, 22), lit("  Giac. "),
                               fit(Giacenza, 4), lit("  Pagato: "), fit(Pagato, 2), lit("  Scad. "),
                               fit(DataSca, 10), lit("  Costo: € "), whole(Costo)});
    return f;
}

const LineFormat& unpaidLine() {
    using namespace Prodotto;
    static const LineFormat f(TSchedaProdotto,
                              {lit("Cod. "), fit(Codice, 20), lit("  "), fit(Nome, 30), lit("  "),
                               fit(Tipologia, 20), lit("  Giac. "), fit(Giacenza, 4), lit("  "),
                               fit(Ditta, 24), lit("  Scad. "), fit(DataSca, 10),
                               lit("  Costo: € "), whole(Costo)});
    return f;
}

// Customers and suppliers end their line with the notes in a search, with the open issues
// in the call-back list.
LineFormat customerLine(int last) {
    using namespace Cliente;
    return LineFormat(TSchedaCliente,
                      {fitPair(Cognome, Nome, 30), lit("  Tel. "), fit(Recapito, 16),
                       lit("  C.F. "), fit(CodFisc, 16), lit("  Città: "), fit(ComuneRes, 28),
                       lit("  "), whole(last)});
}

LineFormat supplierLine(int last) {
    using namespace Fornitore;
    return LineFormat(TSchedaFornitore,
                      {fit(Ditta, 30), lit("  "), fit(Titolare, 30), lit("  Tel. "),
                       fit(Recapito, 20), lit("  "), whole(last)});
}

} // namespace

const RecordListConfig& lowStockList() {
    static const RecordListConfig d{"TfrmSottoscorta",
                                    " Materiali in esaurimento",
                                    "Materiali in esaurimento",

                                    TSchedaProdotto,
                                    lowStock,
                                    productLine()};
    return d;
}

const RecordListConfig& unpaidList() {
    static const RecordListConfig d{"TfrmDaSaldare",
                                    " Riepilogo pagamenti non saldati",
                                    "Riepilogo pagamenti non saldati",

                                    TSchedaProdotto,
                                    unpaid,
                                    unpaidLine()};
    return d;
}

const RecordListConfig& customerRecontactList() {
    static const LineFormat line = customerLine(Cliente::Questioni);
    static const RecordListConfig d{
        "TfrmRicontatta", " Riepilogo clienti da ricontattare", "Riepilogo clienti da ricontattare",

        TSchedaCliente,   flagged(Cliente::Ricontatta),         line};
    return d;
}

const RecordListConfig& supplierRecontactList() {
    static const LineFormat line = supplierLine(Fornitore::Questioni);
    static const RecordListConfig d{"TfrmRicontattaFor",
                                    " Riepilogo fornitori da ricontattare",
                                    "Riepilogo fornitori da ricontattare",

                                    TSchedaFornitore,
                                    flagged(Fornitore::Ricontatta),
                                    line};
    return d;
}

RecordListConfig expiringDocumentList(QDate today) {
    using namespace Cliente;
    static const LineFormat line(TSchedaCliente,
                                 {fitPair(Cognome, Nome, 30), lit("  Tel. "), fit(Recapito, 16),
                                  lit("  Documento: "), fit(TipoPat, 20), lit("  n. "),
                                  fit(NumPat, 20), lit("  Scadenza: "), whole(DataSca)});
    return {"TfrmDocumentiScadenza",
            " Documenti di identità scaduti o in scadenza",
            "Documenti di identità scaduti o in scadenza",
            TSchedaCliente,
            documentExpiring(today, kDocumentNoticeDays),
            line};
}

std::array<int, kCriteria> SearchConfig::fields() const {
    std::array<int, kCriteria> out{};
    for (int i = 0; i < kCriteria; ++i)
        out[size_t(i)] = criteria[size_t(i)].field;
    return out;
}

const SearchConfig& customerSearch() {
    using namespace Cliente;
    static const LineFormat line = customerLine(Note);
    static const SearchConfig d{"TfrmTrovaClienti",
                                " Trova clienti in archivio",
                                "Riepilogo clienti",

                                TSchedaCliente,
                                {{{"txtCognome", "Cognome cliente:", Cognome},
                                  {"txtDitta", "Denominazione Ditta:", Ditta},
                                  {"txtPartitaIva", "Partita IVA:", PartitaIva},
                                  {"txtCodFisc", "Codice fiscale:", CodFisc},
                                  {"txtComuneRes", "Comune di residenza:", ComuneRes},
                                  {"txtTelCel", "Tel. cellulare:", TelCel},
                                  {"txtConducente", "Prodotti e servizi di interesse:", Conducente},
                                  {"txtCodiceDest", "Codice Destinatario:", CodiceDest},
                                  {"txtQuestioni", "Questioni in sospeso:", Questioni},
                                  {"txtNote", "Note:", Note}}},
                                line};
    return d;
}

const SearchConfig& supplierSearch() {
    using namespace Fornitore;
    static const LineFormat line = supplierLine(Note);
    static const SearchConfig d{
        "TfrmTrovaFornitori",
        " Trova fornitori in archivio",
        "Riepilogo fornitori",

        TSchedaFornitore,
        {{{"txtDitta", "Denominazione Ditta:", Ditta},
          {"txtTitolare", "Titolare:", Titolare},
          {"txtPartitaIva", "Partita IVA:", PartitaIva},
          {"txtCodFisc", "Codice fiscale:", CodFisc},
          {"txtIndirizzoRes", "Via / Piazza e numero civico:", IndirizzoRes},
          {"txtComuneRes", "Città:", ComuneRes},
          {"txtArticoli", "Articoli forniti:", Articoli},
          {"txtOfferte", "Offerte e sconti:", Offerte},
          {"txtQuestioni", "Questioni in sospeso:", Questioni},
          {"txtNote", "Note:", Note}}},
        line};
    return d;
}

const SearchConfig& productSearch() {
    using namespace Prodotto;
    static const SearchConfig d{"TfrmTrovaMagazzino",
                                " Trova prodotti in magazzino",
                                "Riepilogo prodotti in magazzino",

                                TSchedaProdotto,
                                {{{"txtCodice", "Codice articolo:", Codice},
                                  {"txtCosto", "Costo unitario:", Costo},
                                  {"txtNome", "Nome prodotto:", Nome},
                                  {"txtTipologia", "Categoria merceologica:", Tipologia},
                                  {"txtCaratteristiche", "Caratteristiche:", Caratteristiche},
                                  {"txtCollocazione", "Collocazione in magazzino:", Collocazione},
                                  {"txtDitta", "Ditta fornitrice:", Ditta},
                                  {"txtAgente", "Titolare:", Agente},
                                  {"txtDocumento", "Documento di acquisto:", Documento},
                                  {"txtNote", "Note:", Note}}},
                                productLine()};
    return d;
}

} // namespace dp::search
