#include "search/ListOrder.h"
#include "search/RecordLists.h"
#include "search/RecordScan.h"
#include "search/Reminders.h"
#include "storage/Layouts.h"
#include "support/TestUtil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

using namespace dp;
using namespace dp::search;
using dp::test::field;
using dp::test::recordBytes;
using namespace Qt::StringLiterals;

namespace {

using Values = QList<QPair<int, QByteArray>>;

QString blanks(int n) {
    return QString(n, QLatin1Char(' '));
}

QString lineOf(const LineFormat& format, const Values& values) {
    const QByteArray bytes = recordBytes(format.layout(), values);
    return format.line(RecordView(format.layout(), bytes.constData()));
}

QStringList textsOf(const TextRows& lines) {
    QStringList texts;
    for (qsizetype i = 0; i < lines.count(); ++i)
        texts.append(lines.line(i));
    return texts;
}

} // namespace

class TestSearchRules : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void criteria_data() {
        QTest::addColumn<QString>("cognome");
        QTest::addColumn<QString>("comune");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QByteArray>("storedCognome");
        QTest::addColumn<QByteArray>("storedComune");
        QTest::addColumn<QByteArray>("storedNote");
        QTest::addColumn<bool>("listed");

        QTest::newRow("both criteria occur") << u"ROSSI"_s << u"roma"_s << QString() << "Rossini"_ba
                                             << "Roma"_ba
                                             << ""_ba << true;
        QTest::newRow("one of two fails") << u"ROSSI"_s << u"roma"_s << QString() << "Rossini"_ba
                                          << "Milano"_ba
                                          << ""_ba << false;
        QTest::newRow("accented capital is not folded")
            << QString() << QString() << u"PERCHÈ"_s << ""_ba
            << ""_ba
            << "perch\xe8"_ba << false;
        QTest::newRow("A-Z folded around the accent")
            << QString() << QString() << u"PERCHè"_s << ""_ba
            << ""_ba
            << "Perch\xe8"_ba << true;
        QTest::newRow("trailing blank needs a blank after the word")
            << u"rossi "_s << QString() << QString() << "Rossi"_ba
            << ""_ba
            << ""_ba << false;
        QTest::newRow("trailing blank inside the field")
            << u"rossi "_s << QString() << QString() << "Rossi Bianchi"_ba
            << ""_ba
            << ""_ba << true;
        QTest::newRow("leading blank is kept")
            << u" rossi"_s << QString() << QString() << "Rossi"_ba
            << ""_ba
            << ""_ba << false;
        QTest::newRow("blank-only criterion stands in for a failing one")
            << u"Verdi"_s << QString() << u"  "_s << "Rossi"_ba
            << ""_ba
            << "da  richiamare"_ba << true;
        QTest::newRow("blank-only criterion without the blanks")
            << u"Verdi"_s << QString() << u"  "_s << "Rossi"_ba
            << ""_ba
            << "da richiamare"_ba << false;
        QTest::newRow("all blank lists everything")
            << QString() << QString() << QString() << "Rossi"_ba
            << ""_ba
            << ""_ba << true;
        QTest::newRow("blanks only count as blank") << u"   "_s << QString() << QString() << ""_ba
                                                    << ""_ba
                                                    << ""_ba << true;
        QTest::newRow("a character no archive holds")
            << u"Ros✓"_s << QString() << QString() << "Ros?"_ba
            << ""_ba
            << ""_ba << false;
    }

    // The customer search's criteria over a customer record.
    void criteria() {
        QFETCH(QString, cognome);
        QFETCH(QString, comune);
        QFETCH(QString, note);
        QFETCH(QByteArray, storedCognome);
        QFETCH(QByteArray, storedComune);
        QFETCH(QByteArray, storedNote);
        QFETCH(bool, listed);

        const SearchConfig& s = customerSearch();
        QStringList texts(kCriteria);
        texts[0] = cognome; // txtCognome
        texts[4] = comune;  // txtComuneRes
        texts[9] = note;    // txtNote
        const auto fields = s.fields();
        const SearchCriteria criteria(fields, texts);
        const QByteArray bytes = recordBytes(TSchedaCliente, {{Cliente::Cognome, storedCognome},
                                                              {Cliente::ComuneRes, storedComune},
                                                              {Cliente::Note, storedNote}});
        QCOMPARE(criteria.matches(RecordView(TSchedaCliente, bytes.constData())), listed);
    }

    void lineFormats_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<Values>("values");
        QTest::addColumn<QString>("line");
        using namespace Prodotto;
        const Values product{{Codice, "ABCDEFGHIJKLMNOPQRSTUVWXY"},
                             {Nome, "Vite"},
                             {Tipologia, "  Ferramenta  "},
                             {Giacenza, "5"},
                             {Pagato, "S\xec"},
                             {DataSca, "01/02/2025"},
                             {Ditta, "Bulloneria Lombarda di Mario Rossi"},
                             {Costo, "0,10"}};
        QTest::newRow("low stock: code cut to 22")
            << 0 << product
            << u"Cod. ABCDEFGHIJKLMNOPQRSTUV  Vite"_s + blanks(30) + u"  Cat. Ferramenta"_s +
                   blanks(12) + u"  Giac. 5   "_s +
                   u"  Pagato: Sì  Scad. 01/02/2025  Costo: € 0,10"_s;
        QTest::newRow("unpaid: code cut to 20")
            << 1 << product
            << u"Cod. ABCDEFGHIJKLMNOPQRST  Vite"_s + blanks(26) + u"  Ferramenta"_s + blanks(10) +
                   u"  Giac. 5   "_s +
                   u"  Bulloneria Lombarda di M  Scad. 01/02/2025  Costo: € 0,10"_s;
        QTest::newRow("customer: no surname, open issues whole")
            << 2
            << Values{{Cliente::Nome, "Anna"},
                      {Cliente::Recapito, "333 1234567 ufficio"},
                      {Cliente::CodFisc, "RSSNNA80A41H501X"},
                      {Cliente::ComuneRes, "Reggio nell'Emilia e dintorni"},
                      {Cliente::Questioni, QByteArray(250, 'q')},
                      {Cliente::Note, "nota"}}
            << u" Anna"_s + blanks(25) + u"  Tel. 333 1234567 uffi  C.F. RSSNNA80A41H501X"_s +
                   u"  Città: Reggio nell'Emilia e dintorn  "_s + QString(250, u'q');
        QTest::newRow("customer: surname and name cut at 30")
            << 2
            << Values{{Cliente::Cognome, "Castelbarco Visconti"}, {Cliente::Nome, "Maria Grazia"}}
            << u"Castelbarco Visconti Maria Gra  Tel. "_s + blanks(16) + u"  C.F. "_s + blanks(16) +
                   u"  Città: "_s + blanks(28) + u"  "_s;
        QTest::newRow("supplier: long firm and owner cut, search ends with notes")
            << 3
            << Values{{Fornitore::Ditta, "Distribuzione Articoli Tecnici Srl"},
                      {Fornitore::Titolare, QByteArray(120, 't')},
                      {Fornitore::Recapito, "02 555"},
                      {Fornitore::Note, "consegna il martedi"},
                      {Fornitore::Questioni, "fattura"}}
            << u"Distribuzione Articoli Tecnici  "_s + QString(30, u't') + u"  Tel. 02 555"_s +
                   blanks(14) + u"  consegna il martedi"_s;
        QTest::newRow("supplier call-back: no owner")
            << 4 << Values{{Fornitore::Ditta, "Ferro Spa"}, {Fornitore::Questioni, "fattura"}}
            << u"Ferro Spa"_s + blanks(21) + u"  "_s + blanks(30) + u"  Tel. "_s + blanks(20) +
                   u"  fattura"_s;
    }

    void lineFormats() {
        QFETCH(int, which);
        QFETCH(Values, values);
        QFETCH(QString, line);
        const LineFormat* formats[] = {&lowStockList().format, &unpaidList().format,
                                       &customerRecontactList().format, &supplierSearch().format,
                                       &supplierRecontactList().format};
        QCOMPARE(lineOf(*formats[which], values), line);
    }

    void searchAndListLinesAgree() {
        // The product search shows the low-stock line; the customer search ends with the notes.
        const Values v{{Prodotto::Codice, "A1"}, {Prodotto::Costo, "2,00"}};
        QCOMPARE(lineOf(productSearch().format, v), lineOf(lowStockList().format, v));
        const QString c = lineOf(
            customerSearch().format,
            {{Cliente::Cognome, "Neri"}, {Cliente::Note, "nota"}, {Cliente::Questioni, "sospeso"}});
        QVERIFY(c.endsWith(u"  nota"_s));
    }

    void order_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("sorted");
        QTest::addColumn<bool>("tiesBeyondTheKey");
        QTest::newRow("letters without case")
            << QStringList{u"bianchi"_s, u"Rossi"_s, u"Bianco"_s, u"rossa"_s}
            << QStringList{u"bianchi"_s, u"Bianco"_s, u"rossa"_s, u"Rossi"_s} << false;
        QTest::newRow("blank, digits, then letters, then accents")
            << QStringList{u"èlite"_s, u"zeta"_s, u"10"_s, u" A"_s, u"Ab"_s, u"A"_s}
            << QStringList{u" A"_s, u"10"_s, u"A"_s, u"Ab"_s, u"zeta"_s, u"èlite"_s} << false;
        QTest::newRow("capitals sort as small letters")
            << QStringList{u"a_"_s, u"aB"_s, u"a["_s} << QStringList{u"a["_s, u"a_"_s, u"aB"_s}
            << false;
        QTest::newRow("equal lines in file order")
            << QStringList{u"Cod. VITE-8 b"_s, u"cod. vite-8 a"_s, u"Cod. VITE-8"_s,
                           u"Cod. VITE-8 A"_s, u"Cod. VITE-10"_s}
            << QStringList{u"Cod. VITE-10"_s, u"Cod. VITE-8"_s, u"cod. vite-8 a"_s,
                           u"Cod. VITE-8 A"_s, u"Cod. VITE-8 b"_s}
            << true;
        QTest::newRow("apart only after the 24th character")
            << QStringList{u"Ferrari Giuseppe Antonio Z"_s, u"FERRARI GIUSEPPE ANTONIO"_s,
                           u"ferrari giuseppe antonio a"_s}
            << QStringList{u"FERRARI GIUSEPPE ANTONIO"_s, u"ferrari giuseppe antonio a"_s,
                           u"Ferrari Giuseppe Antonio Z"_s}
            << true;
    }

    void order() {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, sorted);
        std::vector<SortKey> keys;
        for (const QString& s : lines)
            keys.push_back(sortKey(s.toLatin1(), quint32(keys.size())));
        int linesAsked = 0;
        sortByLine(keys, [&](quint32 item, QByteArray& out) {
            ++linesAsked;
            out.append(lines[item].toLatin1());
        });
        QStringList got;
        for (const SortKey& k : keys)
            got.append(lines[k.item]);
        QCOMPARE(got, sorted);
        // Lines are made again only where the first bytes tie.
        QFETCH(bool, tiesBeyondTheKey);
        QCOMPARE(linesAsked > 0, tiesBeyondTheKey);
    }

    // Keys that tie are settled by lines made once each, in file order: a list of many ties
    // reads each record once, and a record that changes between two reads (saved on another
    // workstation, or a read that fails and then succeeds) cannot make the comparisons
    // contradict each other.
    void tiesMakeEachLineOnce_data() {
        QTest::addColumn<bool>("changing");
        QTest::newRow("records as they are") << false;
        QTest::newRow("a record changes at every read") << true;
    }
    void tiesMakeEachLineOnce() {
        QFETCH(bool, changing);
        const int n = 3000;
        const QByteArray blank(30, ' '); // companies without a surname
        std::vector<SortKey> keys;
        for (int i = 0; i < n; ++i)
            keys.push_back(sortKey(blank, quint32(i)));
        std::vector<int> asked(n, 0);
        std::vector<QByteArray> given(n);
        int calls = 0;
        sortByLine(keys, [&](quint32 item, QByteArray& out) {
            ++calls;
            const int version = changing ? calls : 0;
            const QByteArray line =
                blank + QByteArray::number((item * 7919 + version * 104729) % 1000000);
            if (asked[item]++ == 0)
                given[item] = line;
            out.append(line);
        });
        QCOMPARE(calls, n);
        QVERIFY(std::all_of(asked.begin(), asked.end(), [](int a) { return a == 1; }));
        std::vector<bool> seen(n, false);
        for (size_t i = 0; i < keys.size(); ++i) {
            QVERIFY(!seen[keys[i].item]);
            seen[keys[i].item] = true;
            if (i > 0)
                QVERIFY(compareLines(given[keys[i - 1].item], given[keys[i].item]) <= 0);
        }
    }

    // Low stock over a hand-written archive: the boundary, negative and decimal stocks, and a
    // record whose stock is no number ending the list there.
    void lowStockList_() {
        using namespace Prodotto;
        const QString path = m_dir->filePath(u"Magazzino.pro"_s);
        QByteArray file;
        auto add = [&](const char* code, const char* stock, const char* level) {
            file +=
                recordBytes(TSchedaProdotto, {{Codice, code}, {Giacenza, stock}, {Avviso, level}});
        };
        add("E-at-level", "0", "0");
        add("X-above", "1", "0");
        add("B-negative", "-3", "0");
        add("D-decimal", "2,5", "3");
        add("C-equal", "7", "7");
        add("Y-bad", "", "2");
        add("A-after", "0", "5");
        test::writeFile(path, file);

        const RecordList list = listRecords(path, lowStockList().rule, lowStockList().format);
        QStringList codes;
        for (const QString& l : textsOf(*list.lines))
            codes.append(l.mid(5, 22).trimmed());
        QCOMPARE(codes,
                 (QStringList{u"B-negative"_s, u"C-equal"_s, u"D-decimal"_s, u"E-at-level"_s}));
        QCOMPARE(list.positions, (QList<qint64>{3, 5, 4, 1}));
        QCOMPARE(list.stoppedAt, 6);
        QVERIFY(!list.complete());
        QVERIFY(list.stopReason.contains(u"giacenza mancante"_s));
        QCOMPARE(listStopText(6, list.stopReason),
                 u"Attenzione: la scheda in posizione 6 dell'archivio ha un valore di giacenza "
                 u"mancante.\n\r\n\rL'elenco è incompleto: comprende soltanto le schede "
                 u"registrate prima di quella posizione."_s);

        const RecordCount n = countRecords(path, TSchedaProdotto, lowStockList().rule);
        QCOMPARE(n.count, 4);
        QCOMPARE(n.stoppedAt, 6);
    }

    // Flags: only the exact texts select; equal lines keep file order and their own positions.
    void flagLists_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("unpaid") << 0;
        QTest::newRow("customers to call back") << 1;
        QTest::newRow("suppliers to call back") << 2;
    }
    void flagLists() {
        QFETCH(int, which);
        const RecordListConfig* defs[] = {&unpaidList(), &customerRecontactList(),
                                          &supplierRecontactList()};
        const RecordListConfig& def = *defs[which];
        const int flag = def.layout.indexOf(which == 0 ? u"Pagato" : u"Ricontatta");
        const int name = def.layout.indexOf(which == 1 ? u"Cognome" : u"Ditta");
        const int note = def.layout.indexOf(u"Note"); // in none of the three lines
        const QByteArray wanted = which == 0 ? "No" : "S\xec";
        const QByteArray other = which == 0 ? "S\xec" : "No";
        QByteArray file;
        auto add = [&](const char* n, const QByteArray& f, const char* extra = "") {
            file += recordBytes(def.layout, {{name, n}, {flag, f}, {note, extra}});
        };
        add("Uguale", wanted, "prima");                // 1
        add("Altro", other);                           // 2
        add("Uguale", wanted, "seconda");              // 3: same line, other data
        add("Minuscolo", which == 0 ? "no" : "s\xec"); // 4
        add("Vuoto", "");                              // 5
        add("Bravo", wanted);                          // 6
        const QString path = m_dir->filePath(def.layout.file());
        test::writeFile(path, file);

        const RecordList list = listRecords(path, def.rule, def.format);
        QVERIFY(list.complete());
        QCOMPARE(list.positions, (QList<qint64>{6, 1, 3}));
        QCOMPARE(list.lines->line(1), list.lines->line(2));
        QCOMPARE(countRecords(path, def.layout, def.rule).count, 3);

        // Lines are made from the records when shown: one rewritten since (on another
        // workstation) shows as it is now, in its place.
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.seek(5 * def.layout.size()));
        f.write(recordBytes(def.layout, {{name, "Zeta"}, {flag, wanted}}));
        f.close();
        QVERIFY(list.lines->line(0).contains(u"Zeta"_s));
        QVERIFY(!list.lines->line(0).contains(u"Bravo"_s));
        QCOMPARE(list.positions.first(), 6);
    }

    // The warning that ends a list quotes the bad field with its control bytes made visible.
    void stopReasonShowsControlBytes() {
        const QString path = m_dir->filePath(u"Magazzino.pro"_s);
        test::writeFile(path, recordBytes(TSchedaProdotto, {{Prodotto::Giacenza, "1\x1b"
                                                                                 "2\x7f"},
                                                            {Prodotto::Avviso, "0"}}));
        const RecordList list = listRecords(path, lowStockList().rule, lowStockList().format);
        QCOMPARE(list.stopReason, u"un valore di giacenza non numerico (\"1\u241B2\u2421\")"_s);
    }

    void missingArchiveIsCreatedEmpty() {
        const QString path = m_dir->filePath(u"Clienti.pro"_s);
        const RecordList list =
            listRecords(path, customerRecontactList().rule, customerRecontactList().format);
        QVERIFY(list.complete());
        QCOMPARE(list.lines->count(), 0);
        QVERIFY(QFile::exists(path));
    }

    void unreadableArchiveIsReported() {
        const QString path = m_dir->filePath(u"Fornitori.pro"_s);
        test::writeFile(path, recordBytes(TSchedaFornitore, {{Fornitore::Ricontatta, "S\xec"}}));
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        test::Unprivileged nobody;
        const RecordList list =
            listRecords(path, supplierRecontactList().rule, supplierRecontactList().format);
        QVERIFY(list.accessFailed);
        QVERIFY(!list.complete());
        QVERIFY(countRecords(path, TSchedaFornitore, supplierRecontactList().rule).accessFailed);
    }

    // Today is 10/12/2026: the document counts up to 30 days ahead, expired ones too; a
    // free text that is not a day/month/year date does not.
    void documentExpiry_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("taken");
        QTest::newRow("expired long ago") << QByteArray("01/01/2020") << true;
        QTest::newRow("yesterday") << QByteArray("09/12/2026") << true;
        QTest::newRow("today") << QByteArray("10/12/2026") << true;
        QTest::newRow("day 30") << QByteArray("09/01/2027") << true;
        QTest::newRow("day 31") << QByteArray("10/01/2027") << false;
        QTest::newRow("typed short") << QByteArray("5/1/2027") << true;
        QTest::newRow("with dashes") << QByteArray("05-01-2027") << true;
        QTest::newRow("with dots, blanks") << QByteArray(" 5.1.2027 ") << true;
        QTest::newRow("next year") << QByteArray("05/01/2028") << false;
        QTest::newRow("empty") << QByteArray("") << false;
        QTest::newRow("words") << QByteArray("gennaio 2027") << false;
        QTest::newRow("no such day") << QByteArray("31/02/2026") << false;
    }
    void documentExpiry() {
        QFETCH(QByteArray, stored);
        QFETCH(bool, taken);
        const QByteArray bytes = recordBytes(TSchedaCliente, {{Cliente::DataSca, stored}});
        const SelectionRule rule = documentExpiring(QDate(2026, 12, 10), 30);
        QCOMPARE(rule(RecordView(TSchedaCliente, bytes.constData()), nullptr) == Verdict::Take,
                 taken);
    }

    // Each count uses its list's rule; missing archives count nothing and stay missing.
    void reminderCounts() {
        const QDate today(2026, 12, 10);
        QCOMPARE(countReminders(m_dir->path(), today).any(), false);
        QVERIFY(QDir(m_dir->path()).isEmpty());

        QByteArray products;
        auto product = [&](const char* stock, const char* level, const char* paid) {
            products += recordBytes(
                TSchedaProdotto,
                {{Prodotto::Giacenza, stock}, {Prodotto::Avviso, level}, {Prodotto::Pagato, paid}});
        };
        product("2", "5", "No");    // low and unpaid
        product("5", "5", "S\xec"); // at the level
        product("9", "5", "No");
        test::writeFile(m_dir->filePath(TSchedaProdotto.file()), products);
        QByteArray customers;
        customers += recordBytes(
            TSchedaCliente, {{Cliente::Ricontatta, "S\xec"}, {Cliente::DataSca, "09/01/2027"}});
        customers += recordBytes(TSchedaCliente,
                                 {{Cliente::Ricontatta, "No"}, {Cliente::DataSca, "10/01/2027"}});
        customers += recordBytes(TSchedaCliente, {{Cliente::DataSca, "01/06/2025"}});
        test::writeFile(m_dir->filePath(TSchedaCliente.file()), customers);

        const ReminderCounts c = countReminders(m_dir->path(), today);
        QCOMPARE(c.lowStock, 2);
        QCOMPARE(c.unpaid, 2);
        QCOMPARE(c.customerCallBacks, 1);
        QCOMPARE(c.supplierCallBacks, 0);
        QCOMPARE(c.documents, 2);
        QVERIFY(!QFile::exists(m_dir->filePath(TSchedaFornitore.file())));

        // The list the count opens shows the same customers.
        const RecordListConfig def = expiringDocumentList(today);
        const RecordList list =
            listRecords(m_dir->filePath(TSchedaCliente.file()), def.rule, def.format);
        QCOMPARE(list.positions.size(), 2);
    }

  private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestSearchRules)
#include "TestSearchRules.moc"
