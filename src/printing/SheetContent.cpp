#include "printing/SheetContent.h"

#include "storage/TextValues.h"

namespace dp::printing {

namespace {

const RecordSheetRow kCustomerRows[] = {
    {"Cognome e nome:", "{txtCognome} {txtNome}"},
    {"Data di nascita:", "{txtDataNasc}"},
    {"Comune di nascita:", "{txtComuneNasc} {txtProvNasc}"},
    {"Codice Destinatario:", "{txtCodiceDest}"},
    {"Telefono preferenziale:", "{txtRecapito}"},
    {"Indirizzo di residenza:", "{txtIndirizzoRes}"},
    {"Comune di residenza:", "{txtComuneRes} {txtProvRes}"},
    {"Denominazione Ditta:", "{txtDitta}"},
    {"Tel. casa:", "{txtTelCasa}"},
    {"Tel. ufficio:", "{txtTelUff}"},
    {"Tel. cellulare:", "{txtTelCel}"},
    {"Indirizzo PEC:", "{txtPec}"},
    {"E-mail:", "{txtEmail}"},
    {"Codice fiscale:", "{txtCodFisc}"},
    {"Partita IVA:", "{txtPartitaIva}"},
    {"Carta di credito:", "N. {txtCarta}  -  Scadenza: {txtScadeCarta}"},
    {"IBAN:", "{txtIban}"},
    {"Tipo documento:", "{txtTipoPat}"},
    {"Numero documento:", "{txtNumPat}"},
    {"Ente di rilascio:", "{txtEnteRil}"},
    {"Data di rilascio:", "{txtDataRil}  -  Scadenza: {txtDataSca}"},
    {"Prodotti e servizi:", "{txtConducente}"},
    {"Questioni in sospeso:", "{txtQuestioni}"},
    {"Note:", "{txtNote}"},
};

const RecordSheetRow kSupplierRows[] = {
    {"Denominazione Ditta:", "{txtDitta}"},
    {"Titolare o responsabile:", "{txtTitolare}"},
    {"Telefono preferenziale:", "{txtRecapito}"},
    {"Indirizzo:", "{txtIndirizzoRes}"},
    {"Città:", "{txtComuneRes}"},
    {"Provincia:", "{txtProvRes}"},
    {"CAP:", "{txtCapRes}"},
    {"Modalità pagamento:", "{txtPagamento}"},
    {"Tel. casa:", "{txtTelCasa}"},
    {"Tel. ufficio:", "{txtTelUff}"},
    {"Tel. cellulare:", "{txtTelCel}"},
    {"Fax:", "{txtFax}"},
    {"E-mail:", "{txtEmail}"},
    {"Codice fiscale:", "{txtCodFisc}"},
    {"Partita IVA:", "{txtPartitaIva}"},
    {"Carta di credito n.", "{txtCarta}"},
    {"Scadenza carta di credito:", "{txtScadeCarta}"},
    {"IBAN:", "{txtIban}"},
    {"Articoli forniti:", "{txtArticoli}"},
    {"Offerte e sconti:", "{txtOfferte}"},
    {"Modalità di ordine merce:", "{txtOrdine}"},
    {"Questioni in sospeso:", "{txtQuestioni}"},
    {"Da ricontattare:", "{chkRicontatta}"},
    {"Note:", "{txtNote}"},
};

// "{totale}" is the stock valued at its cost, worked out when the sheet is made.
const RecordSheetRow kProductRows[] = {
    {"Codice articolo:", "{txtCodice}"},
    {"Costo unitario:", "{txtCosto}"},
    {"Nome prodotto:", "{txtNome}"},
    {"Giacenza attuale:", "{txtGiacenza}"},
    {"Aspetto esteriore del bene:", "{txtUM}"},
    {"Categoria merceologica:", "{txtTipologia}"},
    {"Caratteristiche:", "{txtCaratteristiche}"},
    {"Collocazione in magazzino:", "{txtCollocazione}"},
    {"Ditta fornitrice:", "{txtDitta}"},
    {"Titolare:", "{txtAgente}"},
    {"Recapito telefonico", "{txtRecapito}"},
    {"Documento di acquisto:", "{txtDocumento}"},
    {"Modalità di pagamento:", "{txtPagamento}"},
    {"Data scadenza:", "{txtDataSca}"},
    {"Note:", "{txtNote}"},
    {"Prezzo di vendita:", "{txtPrezzo}"},
    {"Valore totale:",
     "Costo unitario (€ {txtCosto}) x giacenza ({txtGiacenza} pezzi) = € {totale}"},
    {"Pagato:", "{chkPagato}"},
};

const QString kTotal = QStringLiteral("totale");

QString notANumber(const char* field) {
    return QStringLiteral("Attenzione: il campo \"%1\" non contiene un numero valido.\n\n"
                          "Correggere il valore per stampare la scheda o visualizzarne "
                          "l'anteprima.")
        .arg(QLatin1String(field));
}

// Calls `part(isName, text)` for each literal piece and each "{name}" of a row's value.
template <class Part> void forEachPart(const QString& value, Part part) {
    qsizetype at = 0;
    while (at < value.size()) {
        const qsizetype open = value.indexOf(QLatin1Char('{'), at);
        const qsizetype close = open < 0 ? -1 : value.indexOf(QLatin1Char('}'), open);
        if (close < 0) {
            part(false, value.mid(at));
            return;
        }
        if (open > at)
            part(false, value.mid(at, open - at));
        part(true, value.mid(open + 1, close - open - 1));
        at = close + 1;
    }
}

QString oneLine(QString text) {
    for (QChar& c : text)
        if (c.unicode() < 32)
            c = QLatin1Char(' ');
    return text;
}

} // namespace

const RecordSheetConfig kCustomerSheet{"SCHEDA ANAGRAFICA CLIENTE", kCustomerRows, "Cliente.pdf"};
const RecordSheetConfig kSupplierSheet{"SCHEDA ANAGRAFICA FORNITORE", kSupplierRows,
                                       "Fornitore.pdf"};
const RecordSheetConfig kProductSheet{"SCHEDA PRODOTTO", kProductRows, nullptr};

QStringList sheetControls(const RecordSheetConfig& config) {
    QStringList names;
    for (const RecordSheetRow& row : config.rows)
        forEachPart(QString::fromUtf8(row.value), [&](bool isName, const QString& text) {
            if (isName && text != kTotal && !names.contains(text))
                names << text;
        });
    return names;
}

QString rowValue(const char* value, const SheetSource& source,
                 const std::function<QString(const QString&)>& extra) {
    QString out;
    forEachPart(QString::fromUtf8(value), [&](bool isName, const QString& text) {
        if (!isName)
            out += text;
        else if (text == kTotal)
            out += extra ? extra(text) : QString();
        else
            out += oneLine(text::trim(source.text(text)));
    });
    return out;
}

QString footerText(const QDateTime& now) {
    return QStringLiteral("Stampa eseguita in data ") + text::formatDate(now.date()) +
           QStringLiteral(" alle ore ") + text::formatTime(now.time());
}

void fillSheet(report::ReportDocument& sheet, const RecordSheetConfig& config,
               const SheetSource& source, const QDateTime& now,
               const std::function<QString(const QString&)>& extra) {
    const auto set = [&](const QString& name, const QString& text) {
        if (report::ReportItem* item = sheet.findText(name))
            item->text = text;
    };
    set(QStringLiteral("txtTitolo"), QString::fromUtf8(config.title));
    for (std::size_t i = 0; i < config.rows.size(); ++i) {
        const RecordSheetRow& row = config.rows[i];
        set(report::rowLabelName(int(i + 1)), QString::fromUtf8(row.label));
        set(report::rowValueName(int(i + 1)), rowValue(row.value, source, extra));
    }
    set(QStringLiteral("txtCalce"), footerText(now));
}

report::ReportDocument registrySheet(const RecordSheetConfig& config, const SheetSource& source,
                                     const QDateTime& now) {
    report::ReportDocument sheet = report::buildSheet(report::SheetLayout::Registry);
    fillSheet(sheet, config, source, now);
    return sheet;
}

std::variant<report::ReportDocument, QString>
productSheet(SheetSource& source, bool withPhoto, const QImage& photo, const QDateTime& now) {
    const QString stockField = QStringLiteral("txtGiacenza");
    const QString costField = QStringLiteral("txtCosto");
    if (text::isBlank(source.text(stockField)))
        source.setText(stockField, QStringLiteral("0"));
    if (text::isBlank(source.text(costField)))
        source.setText(costField, QStringLiteral("0,00"));
    const std::optional<double> stock = text::parseNumber(source.text(stockField));
    if (!stock)
        return notANumber("Giacenza attuale");
    const std::optional<double> cost = text::parseNumber(source.text(costField));
    if (!cost)
        return notANumber("Costo unitario");
    const QString total = text::formatNumber(*stock * *cost);

    report::ReportDocument sheet = report::buildSheet(
        withPhoto ? report::SheetLayout::ProductWithPhoto : report::SheetLayout::Product);
    fillSheet(sheet, kProductSheet, source, now, [&](const QString&) { return total; });
    if (withPhoto)
        if (report::ReportItem* item = sheet.findPicture(QStringLiteral("imgFoto")))
            item->picture = photo;
    return sheet;
}

} // namespace dp::printing
