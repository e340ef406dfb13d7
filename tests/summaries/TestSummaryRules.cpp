#include "storage/Layouts.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "summaries/IntervalRules.h"
#include "summaries/InventoryList.h"
#include "summaries/ListLines.h"
#include "summaries/MovementList.h"
#include "support/TestUtil.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

using namespace dp;
using namespace dp::summaries;
using dp::test::field;

namespace {

struct Mov {
    QString data;
    QString codice;
    QString categoria = QStringLiteral("Vini");
    QString nome = QStringLiteral("Barolo");
    QString importo = QStringLiteral("12,50");
    QString aggiunta = QStringLiteral("5");
};

// Appends the movements in one write: the records a registration would store, without a
// disk flush for each.
void writeJournal(const QString& path, const QList<Mov>& movs) {
    QByteArray bytes;
    for (const Mov& m : movs) {
        Record r(TMovimento);
        r.setText(Movimento::Data, m.data);
        r.setText(Movimento::Ora, u"10:00:00");
        r.setText(Movimento::Codice, m.codice);
        r.setText(Movimento::Categoria, m.categoria);
        r.setText(Movimento::Nome, m.nome);
        r.setText(Movimento::Importo, m.importo);
        r.setText(Movimento::Aggiunta, m.aggiunta);
        bytes += r.bytes();
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Append));
    QCOMPARE(f.write(bytes), bytes.size());
}

struct Prod {
    Prod(QString c = {}, QString t = {}, QString g = QStringLiteral("1"),
         QString k = QStringLiteral("1,00"), QString n = QStringLiteral("Articolo"), QString d = {})
        : codice(c), tipologia(t), giacenza(g), costo(k), nome(n), dataSca(d) {}
    QString codice, tipologia, giacenza, costo, nome, dataSca;
};

void writeProducts(const QString& path, const QList<Prod>& prods) {
    RecordFile f(path, TSchedaProdotto);
    for (const Prod& p : prods) {
        Record r(TSchedaProdotto);
        r.setText(Prodotto::Codice, p.codice);
        r.setText(Prodotto::Tipologia, p.tipologia);
        r.setText(Prodotto::Giacenza, p.giacenza);
        r.setText(Prodotto::Costo, p.costo);
        r.setText(Prodotto::Nome, p.nome);
        r.setText(Prodotto::DataSca, p.dataSca);
        f.append(r);
    }
}

// The code of every listed movement, read back from the fixed column of its line.
QStringList listedCodes(const TextRows& lines) {
    QStringList codes;
    for (qsizetype i = 0; i < lines.count(); ++i)
        codes.append(lines.line(i).mid(28, 20).trimmed());
    return codes;
}

} // namespace

class TestSummaryRules : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Every test function and data row writes its files into a fresh folder.
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void interval_data();
    void interval();
    void monthNamesMapToNumbers();

    void movementLineIsByteExact();
    void movementLinesCutAndPad();
    void intervalIncludesBothEnds();
    void codeFilter_data();
    void codeFilter();
    void emptyJournalIsCreatedAndLeavesTheTitle();
    void unreadableDateStopsLoading();
    void movementMemoEndsWithTheClosingLines();
    void linesMadeOnDemandEqualTheScan();
    void movementAppendedLaterIsNotListed();

    void inventoryLineAndValue();
    void inventoryTotals_data();
    void inventoryTotals();
    void categoryFilter_data();
    void categoryFilter();
    void unreadableNumberStopsInventory_data();
    void unreadableNumberStopsInventory();
    void inventoryMemoEndsWithTheTotal();

  private:
    QString path(const char* name) const { return m_dir->filePath(QString::fromLatin1(name)); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSummaryRules::interval_data() {
    QTest::addColumn<QStringList>("in"); // year, day/month start, day/month end
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("warning");
    QTest::addColumn<int>("focus");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    const QString dateTail = QStringLiteral(
        "\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare una data valida.");
    using F = IntervalFocus;

    QTest::newRow("three-digit year")
        << QStringList{u"202"_s, u"01"_s, u"Gennaio"_s, u"31"_s, u"Gennaio"_s} << false << true
        << int(F::Anno) << "Attenzione: indicare l'anno solare utilizzando quattro cifre."
        << ""
        << "";
    QTest::newRow("start day and end month missing: start day first")
        << QStringList{u"2024"_s, u""_s, u"Marzo"_s, u"14"_s, u""_s} << false << true
        << int(F::GiornoInizio)
        << "Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a "
           "cascata."
        << ""
        << "";
    QTest::newRow("start month missing")
        << QStringList{u"2024"_s, u"01"_s, u" "_s, u"14"_s, u"Marzo"_s} << false << true
        << int(F::MeseInizio)
        << "Attenzione: indicare il mese di inizio intervallo "
           "selezionandolo dall'elenco a cascata."
        << ""
        << "";
    QTest::newRow("end day missing")
        << QStringList{u"2024"_s, u"01"_s, u"Marzo"_s, u""_s, u"Marzo"_s} << false << true
        << int(F::GiornoFine)
        << "Attenzione: indicare il giorno di fine intervallo "
           "selezionandolo dall'elenco a cascata."
        << ""
        << "";
    QTest::newRow("end month missing")
        << QStringList{u"2024"_s, u"01"_s, u"Marzo"_s, u"14"_s, u""_s} << false << true
        << int(F::MeseFine)
        << "Attenzione: indicare il mese di fine intervallo "
           "selezionandolo dall'elenco a cascata."
        << ""
        << "";
    QTest::newRow("29 February 2023")
        << QStringList{u"2023"_s, u"29"_s, u"Febbraio"_s, u"01"_s, u"Marzo"_s} << false << false
        << int(F::GiornoInizio)
        << u"Attenzione: la data 29/02/2023 di inizio intervallo non esiste."_s + dateTail
        << "29/02/2023"
        << "";
    QTest::newRow("29 February 2024")
        << QStringList{u"2024"_s, u"29"_s, u"Febbraio"_s, u"01"_s, u"Marzo"_s} << true << false
        << int(F::Stay) << ""
        << "29/02/2024"
        << "01/03/2024";
    QTest::newRow("year 0000")
        << QStringList{u"0000"_s, u"01"_s, u"Gennaio"_s, u"02"_s, u"Gennaio"_s} << false << false
        << int(F::GiornoInizio)
        << u"Attenzione: la data 01/01/0000 di inizio intervallo non esiste."_s + dateTail
        << "01/01/0000"
        << "";
    QTest::newRow("31 April as end")
        << QStringList{u"2024"_s, u"01"_s, u"Aprile"_s, u"31"_s, u"Aprile"_s} << false << false
        << int(F::GiornoFine)
        << u"Attenzione: la data 31/04/2024 di fine intervallo non esiste."_s + dateTail
        << "01/04/2024"
        << "31/04/2024";
    QTest::newRow("end before start names end first")
        << QStringList{u"2024"_s, u"15"_s, u"Marzo"_s, u"14"_s, u"Marzo"_s} << false << false
        << int(F::Stay)
        << "Attenzione: la data di fine intervallo (14/03/2024) non può essere anteriore a quella "
           "di "
           "inizio intervallo (15/03/2024).\n\r\n\rPer poter visualizzare il riepilogo è "
           "necessario "
           "indicare un intervallo di tempo valido."
        << "15/03/2024"
        << "14/03/2024";
    QTest::newRow("end before start across months (compared as dates)")
        << QStringList{u"2024"_s, u"02"_s, u"Febbraio"_s, u"10"_s, u"Gennaio"_s} << false << false
        << int(F::Stay)
        << "Attenzione: la data di fine intervallo (10/01/2024) non può essere anteriore a quella "
           "di "
           "inizio intervallo (02/02/2024).\n\r\n\rPer poter visualizzare il riepilogo è "
           "necessario "
           "indicare un intervallo di tempo valido."
        << "02/02/2024"
        << "10/01/2024";
    QTest::newRow("equal dates are one day")
        << QStringList{u"2024"_s, u"15"_s, u"Marzo"_s, u"15"_s, u"Marzo"_s} << true << false
        << int(F::Stay) << u""_s << "15/03/2024"
        << "15/03/2024";
}

void TestSummaryRules::interval() {
    QFETCH(QStringList, in);
    QFETCH(bool, ok);
    QFETCH(bool, warning);
    QFETCH(int, focus);
    QFETCH(QString, text);
    QFETCH(QString, start);
    QFETCH(QString, end);
    const IntervalCheck c = checkInterval({in[0], in[1], in[2], in[0], in[3], in[4], in[0]});
    QCOMPARE(c.ok, ok);
    QCOMPARE(c.text, text);
    if (!ok) {
        QCOMPARE(c.warning, warning);
        QCOMPARE(int(c.focus), focus);
    }
    QCOMPARE(c.start, start);
    QCOMPARE(c.end, end);
}

void TestSummaryRules::monthNamesMapToNumbers() {
    const QStringList months = monthItems();
    QCOMPARE(months.size(), 12);
    QCOMPARE(monthNumber(months.first()), QStringLiteral("01"));
    QCOMPARE(monthNumber(u"  SETTEMBRE "), QStringLiteral("09"));
    QCOMPARE(monthNumber(months.last()), QStringLiteral("12"));
    QCOMPARE(monthNumber(u"Sept"), QString());
    QCOMPARE(dayItems().first(), QStringLiteral("01"));
    QCOMPARE(dayItems().last(), QStringLiteral("31"));
}

void TestSummaryRules::movementLineIsByteExact() {
    // Written byte by byte, so that a wrong field offset cannot hide behind the writer.
    const QByteArray record = field(10, "05/03/2024") + field(8, "10:00:00") + field(30, "XAB-1") +
                              field(50, "Vini") + field(50, "Barolo") + field(30, "Bottiglia") +
                              field(15, "12,50") + field(10, "5") + field(250, "nota");
    QCOMPARE(record.size(), 462);
    test::writeFile(path("j.pro"), record);
    const MovementRequest req{path("j.pro"), QString(), QStringLiteral("01/03/2024"),
                              QStringLiteral("31/03/2024")};

    const MovementLoad load = loadMovements(kLoadSummary, req);
    QCOMPARE(load.lines.count(), 1);
    QCOMPARE(load.lines.line(0),
             QStringLiteral(
                 "Data: 05/03/2024  Cod. art. XAB-1                 Tipo: Vini              "
                 "    Nome: Barolo                          Quant. + 5           Costo: € 12,50"));
    const MovementLoad unload = loadMovements(kUnloadSummary, req);
    QVERIFY(
        unload.lines.line(0).endsWith(QStringLiteral("  Quant. - 5           Prezzo: € 12,50")));
}

void TestSummaryRules::movementLinesCutAndPad() {
    writeJournal(path("j.pro"),
                 {{QStringLiteral("5/3/2024"), QString(25, QLatin1Char('C')),
                   QStringLiteral("Categoria lunghissima oltre"), QStringLiteral("N"),
                   QStringLiteral("1234,5678"), QStringLiteral("12345678")}});
    const MovementLoad load =
        loadMovements(kUnloadSummary, {path("j.pro"), QString(), QStringLiteral("05/03/2024"),
                                       QStringLiteral("05/03/2024")});
    QCOMPARE(load.lines.count(), 1);
    QCOMPARE(load.lines.line(0),
             QStringLiteral(
                 "Data: 5/3/2024    Cod. art. CCCCCCCCCCCCCCCCCCCC  Tipo: Categoria lunghissim  "
                 "Nome: N                               Quant. - 12345678    Prezzo: € 1234,5678"));
}

void TestSummaryRules::intervalIncludesBothEnds() {
    writeJournal(path("j.pro"), {{u"29/02/2024"_s, u"prima"_s},
                                 {u"01/03/2024"_s, u"inizio"_s},
                                 {u"15/03/2024"_s, u"mezzo"_s},
                                 {u"31/03/2024"_s, u"fine"_s},
                                 {u"01/04/2024"_s, u"dopo"_s},
                                 {u"15/03/2023"_s, u"altro anno"_s}});
    const MovementLoad load =
        loadMovements(kLoadSummary, {path("j.pro"), QString(), QStringLiteral("01/03/2024"),
                                     QStringLiteral("31/03/2024")});
    QCOMPARE(listedCodes(load.lines), (QStringList{u"inizio"_s, u"mezzo"_s, u"fine"_s}));
    QCOMPARE(load.titTipologia, QStringLiteral("Tutti gli articoli"));
    QVERIFY(load.complete());
}

void TestSummaryRules::codeFilter_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("title");
    QTest::newRow("contained, any case")
        << u"ab"_s << QStringList{u"XAB-1"_s, u"ab"_s, u"x ab"_s} << u"ab"_s;
    QTest::newRow("A1 in A1, a10, XA1")
        << u"A1"_s << QStringList{u"A1"_s, u"a10"_s, u"XA1"_s} << u"A1"_s;
    QTest::newRow("blanks only: every movement")
        << u"   "_s
        << QStringList{u"XAB-1"_s, u"A-B"_s, u""_s, u"A1"_s, u"a10"_s, u"XA1"_s, u"ab"_s, u"x ab"_s}
        << "Tutti gli articoli";
    QTest::newRow("leading blank is part of the filter")
        << u" ab"_s << QStringList{u"x ab"_s} << u"ab"_s;
    QTest::newRow("no code contains it: title still the filter") << "zz" << QStringList{} << "zz";
}

void TestSummaryRules::codeFilter() {
    QFETCH(QString, filter);
    QFETCH(QStringList, listed);
    QFETCH(QString, title);
    const QString d = QStringLiteral("10/06/2024");
    writeJournal(path("j.pro"), {{d, u"XAB-1"_s},
                                 {d, u"A-B"_s},
                                 {d, u""_s},
                                 {d, u"A1"_s},
                                 {d, u"a10"_s},
                                 {d, u"XA1"_s},
                                 {d, u"ab"_s},
                                 {d, u"x ab"_s}});
    const MovementLoad load =
        loadMovements(kLoadSummary, {path("j.pro"), filter, QStringLiteral("01/01/2024"),
                                     QStringLiteral("31/12/2024")});
    QCOMPARE(listedCodes(load.lines), listed);
    QCOMPARE(load.titTipologia, title);
}

void TestSummaryRules::emptyJournalIsCreatedAndLeavesTheTitle() {
    for (const QString& filter : {QString(), QStringLiteral("ab")}) {
        QFile::remove(path("Operazioni_Carico.pro"));
        const MovementLoad load = loadMovements(kLoadSummary, {path("Operazioni_Carico.pro"),
                                                               filter, QStringLiteral("01/01/2024"),
                                                               QStringLiteral("31/12/2024")});
        QVERIFY(QFile::exists(path("Operazioni_Carico.pro")));
        QCOMPARE(QFileInfo(path("Operazioni_Carico.pro")).size(), 0);
        QCOMPARE(load.lines.count(), 0);
        QVERIFY(load.titTipologia.isNull());
        QVERIFY(load.complete());
    }
    // A filter that meets only records without a code leaves the title too.
    writeJournal(path("codeless.pro"), {{u"10/06/2024"_s, u""_s}});
    QVERIFY(loadMovements(kLoadSummary,
                          {path("codeless.pro"), u"ab"_s, u"01/01/2024"_s, u"31/12/2024"_s})
                .titTipologia.isNull());
}

void TestSummaryRules::unreadableDateStopsLoading() {
    writeJournal(path("j.pro"), {{u"10/06/2024"_s, u"a1"_s},
                                 {u"11/06/2024"_s, u"b1"_s},
                                 {u"31/06/2024"_s, u"a2"_s},
                                 {u"12/06/2024"_s, u"a3"_s}});
    const MovementRequest all{path("j.pro"), QString(), QStringLiteral("01/01/2024"),
                              QStringLiteral("31/12/2024")};
    MovementLoad load = loadMovements(kLoadSummary, all);
    QCOMPARE(listedCodes(load.lines), (QStringList{u"a1"_s, u"b1"_s}));
    QCOMPARE(load.stoppedAt, 3);
    QCOMPARE(load.badDate, QStringLiteral("31/06/2024"));
    QVERIFY(!load.complete());
    QCOMPARE(movementStopText(3, load.badDate),
             QStringLiteral(
                 "Attenzione: il movimento in posizione 3 dell'archivio ha una data non valida "
                 "(\"31/06/2024\").\n\r\n\rIl riepilogo è incompleto: elenca soltanto i "
                 "movimenti registrati prima di quella posizione."));

    // Under a filter the date is read only for matching codes.
    load = loadMovements(kLoadSummary, {path("j.pro"), u"b"_s, all.start, all.end});
    QCOMPARE(listedCodes(load.lines), QStringList{u"b1"_s});
    QVERIFY(load.complete());
}

void TestSummaryRules::movementMemoEndsWithTheClosingLines() {
    const QStringList memo =
        movementMemo({u"uno"_s, u"due"_s}, QStringLiteral("Dal   01/03/2024   al   31/03/2024"),
                     QStringLiteral("2"));
    QCOMPARE(memo, (QStringList{u"uno"_s, u"due"_s, u"- - - - - - - - - - - - - - - -"_s,
                                u"INTERVALLO SELEZIONATO:    Dal   01/03/2024   al   31/03/2024"_s,
                                u"TOTALE MOVIMENTI:  2"_s}));
    QCOMPARE(memo.at(2).size(), 31);
    QCOMPARE(memo.at(2).count(QLatin1Char('-')), 16);
}

void TestSummaryRules::linesMadeOnDemandEqualTheScan() {
    // More movements than the journal reader keeps blocks for, with every field varying,
    // read in the order a user jumps through the list and then from top to bottom.
    QList<Mov> movs;
    QStringList all, filtered;
    for (int i = 0; i < 12000; ++i) {
        Mov m{QStringLiteral("%1/%2/2024").arg(1 + i % 28).arg(1 + i % 12),
              QStringLiteral("C%1").arg(i * 7919 % 100000),
              QStringLiteral("Cat %1").arg(i % 13),
              QString(i % 40, QLatin1Char('n')),
              QStringLiteral("%1,%2").arg(i).arg(i % 100),
              QString::number(i % 1000)};
        movs.append(m);
        // The line as the list shows it, written out from its pieces.
        const QString line =
            QStringLiteral("Data: ") + fit(m.data, 10) + QStringLiteral("  Cod. art. ") +
            fit(m.codice, 20) + QStringLiteral("  Tipo: ") + fit(m.categoria, 20) +
            QStringLiteral("  Nome: ") + fit(m.nome, 30) + QStringLiteral("  Quant. + ") +
            fit(m.aggiunta, 10) + QStringLiteral("  Costo: € ") + m.importo;
        all.append(line);
        if (m.codice.contains(QLatin1Char('7')))
            filtered.append(line);
    }
    writeJournal(path("j.pro"), movs);

    for (const QString& filter : {QString(), QStringLiteral("7")}) {
        const QStringList& expected = filter.isEmpty() ? all : filtered;
        const MovementLoad load =
            loadMovements(kLoadSummary, {path("j.pro"), filter, QStringLiteral("01/01/2024"),
                                         QStringLiteral("31/12/2024")});
        QCOMPARE(load.lines.count(), expected.size());
        const qsizetype last = expected.size() - 1;
        for (qsizetype row : {last, qsizetype(0), last / 2, qsizetype(1), last})
            QCOMPARE(load.lines.line(row), expected.at(row));
        QStringList made;
        for (qsizetype row = 0; row < load.lines.count(); ++row)
            made.append(load.lines.line(row));
        QCOMPARE(made, expected);
        // The printed list picks its font from the longest line without reading them all.
        qsizetype longest = 0;
        for (const QString& l : expected)
            longest = std::max(longest, l.size());
        QCOMPARE(load.lines.maxLength(0), longest);
    }
}

void TestSummaryRules::movementAppendedLaterIsNotListed() {
    writeJournal(path("j.pro"), {{QStringLiteral("10/06/2024"), QStringLiteral("a1")},
                                 {QStringLiteral("11/06/2024"), QStringLiteral("a2")}});
    const MovementRequest all{path("j.pro"), QString(), QStringLiteral("01/01/2024"),
                              QStringLiteral("31/12/2024")};
    const MovementLoad load = loadMovements(kLoadSummary, all);
    // Another workstation registers a movement of the interval while the list is open.
    writeJournal(path("j.pro"), {{QStringLiteral("12/06/2024"), QStringLiteral("a3")}});
    QCOMPARE(listedCodes(load.lines), (QStringList{QStringLiteral("a1"), QStringLiteral("a2")}));
    QCOMPARE(load.lines.position(1), 2);
    QCOMPARE(listedCodes(loadMovements(kLoadSummary, all).lines),
             (QStringList{QStringLiteral("a1"), QStringLiteral("a2"), QStringLiteral("a3")}));
}

void TestSummaryRules::inventoryLineAndValue() {
    writeProducts(path("m.pro"), {{QString(25, QLatin1Char('A')), u"Vini"_s, u"3"_s, u"12,5"_s,
                                   QString(50, QLatin1Char('N')), u"31/12/2025"_s}});
    const InventoryLoad load = loadInventory(path("m.pro"), QString());
    QCOMPARE(load.lines.count(), 1);
    QCOMPARE(load.lines.line(0),
             QStringLiteral(
                 "AAAAAAAAAAAAAAAAAAAAAAAAA  NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNN  Scad. "
                 "31/12/2025  Costo: € 12,5          Giacenza: 3           Valore: € 37,5"));
    QCOMPARE(load.total, 37.5);
    QCOMPARE(formatTotal(load.total), QStringLiteral("€ 37,50"));
}

void TestSummaryRules::inventoryTotals_data() {
    QTest::addColumn<QList<Prod>>("prods");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("total");
    QTest::newRow("250,50") << QList<Prod>{{u"a"_s, u""_s, u"10"_s, u"20,05"_s},
                                           {u"b"_s, u""_s, u"1"_s, u"50"_s}}
                            << QStringList{u"200,5"_s, u"50"_s} << u"€ 250,50"_s;
    QTest::newRow("four decimals") << QList<Prod>{{u"a"_s, u""_s, u"1"_s, u"12,34567"_s}}
                                   << QStringList{u"12,34567"_s} << u"€ 12,3457"_s;
    QTest::newRow("nothing") << QList<Prod>{} << QStringList{} << "€ 0,00";
    QTest::newRow("negative stock")
        << QList<Prod>{{u"a"_s, u""_s, u"-2"_s, u"1,5"_s}, {u"b"_s, u""_s, u"4"_s, u"1"_s}}
        << QStringList{u"-3"_s, u"4"_s} << u"€ 1,00"_s;
}

void TestSummaryRules::inventoryTotals() {
    QFETCH(QList<Prod>, prods);
    QFETCH(QStringList, values);
    QFETCH(QString, total);
    writeProducts(path("m.pro"), prods);
    const InventoryLoad load = loadInventory(path("m.pro"), QString());
    QStringList shown;
    for (qsizetype i = 0; i < load.lines.count(); ++i)
        shown.append(load.lines.line(i).section(QStringLiteral("Valore: € "), 1));
    QCOMPARE(shown, values);
    QCOMPARE(formatTotal(load.total), total);
}

void TestSummaryRules::categoryFilter_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("title");
    QTest::newRow("vin in any case") << u"vin"_s << QStringList{u"1"_s, u"2"_s, u"3"_s} << u"vin"_s;
    QTest::newRow("vini") << u"vini"_s << QStringList{u"1"_s, u"2"_s} << u"vini"_s;
    QTest::newRow("no filter lists every product")
        << u""_s << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}
        << u"Tutti gli articoli in magazzino."_s;
    QTest::newRow("blanks only lists every product once")
        << u"  "_s << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}
        << u"Tutti gli articoli in magazzino."_s;
    QTest::newRow("typed with blanks: matched as typed, shown trimmed")
        << u" rossi"_s << QStringList{u"1"_s} << u"rossi"_s;
}

void TestSummaryRules::categoryFilter() {
    QFETCH(QString, filter);
    QFETCH(QStringList, listed);
    QFETCH(QString, title);
    writeProducts(path("m.pro"), {{u"1"_s, u"Vini rossi"_s},
                                  {u"2"_s, u"VINI"_s},
                                  {u"3"_s, u"Vinaccia"_s},
                                  {u"4"_s, u"Birre"_s},
                                  {u"5"_s, u""_s}});
    const InventoryLoad load = loadInventory(path("m.pro"), filter);
    QStringList codes;
    for (qsizetype i = 0; i < load.lines.count(); ++i)
        codes.append(load.lines.line(i).left(25).trimmed());
    QCOMPARE(codes, listed);
    QCOMPARE(load.titTipologia, title);
}

void TestSummaryRules::unreadableNumberStopsInventory_data() {
    QTest::addColumn<QString>("giacenza");
    QTest::addColumn<QString>("costo");
    QTest::addColumn<QString>("reason");
    QTest::newRow("cost with a point") << "2"
                                       << "1.5"
                                       << "un costo non numerico (\"1.5\")";
    QTest::newRow("empty stock") << ""
                                 << "1,5"
                                 << "una giacenza mancante";
    QTest::newRow("stock read first") << "x"
                                      << ""
                                      << "una giacenza non numerica (\"x\")";
}

void TestSummaryRules::unreadableNumberStopsInventory() {
    QFETCH(QString, giacenza);
    QFETCH(QString, costo);
    QFETCH(QString, reason);
    writeProducts(path("m.pro"), {{u"1"_s, u"Vini"_s, u"2"_s, u"10"_s},
                                  {u"2"_s, u"Birre"_s, giacenza, costo},
                                  {u"3"_s, u"Vini"_s, u"1"_s, u"1"_s}});
    const InventoryLoad load = loadInventory(path("m.pro"), QString());
    QCOMPARE(load.lines.count(), 1);
    QCOMPARE(load.total, 20.0);
    QCOMPARE(load.stoppedAt, 2);
    QCOMPARE(load.stopReason, reason);
    QVERIFY(inventoryStopText(2, reason).startsWith(
        QStringLiteral("Attenzione: la scheda in posizione 2 dell'archivio ha ") + reason));
    // A product passed over by the filter is never valued.
    QVERIFY(loadInventory(path("m.pro"), QStringLiteral("vini")).complete());
}

void TestSummaryRules::inventoryMemoEndsWithTheTotal() {
    QCOMPARE(inventoryMemo({}, QStringLiteral("€ 0,00")),
             (QStringList{u"--------------------------"_s, u"VALORE TOTALE: € 0,00"_s}));
    QCOMPARE(inventoryMemo({u"riga"_s}, QStringLiteral(" € 1,00 ")).size(), 3);
}

QTEST_GUILESS_MAIN(TestSummaryRules)
#include "TestSummaryRules.moc"
