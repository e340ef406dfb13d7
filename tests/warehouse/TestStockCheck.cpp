#include "storage/Layouts.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "support/TestUtil.h"
#include "warehouse/StockCheck.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace dp;
using namespace dp::stock;

namespace {

void product(const QString& path, const QString& code, const QString& name, const QString& stock) {
    RecordFile f(path, TSchedaProdotto);
    Record r(TSchedaProdotto);
    r.setText(Prodotto::Codice, code);
    r.setText(Prodotto::Nome, name);
    r.setText(Prodotto::Giacenza, stock);
    f.append(r);
}

void movement(const QString& path, const QString& code, const QString& quantity) {
    RecordFile f(path, TMovimento);
    Record r(TMovimento);
    r.setText(Movimento::Data, u"05/03/2024");
    r.setText(Movimento::Codice, code);
    r.setText(Movimento::Aggiunta, quantity);
    f.append(r);
}

} // namespace

class TestStockCheck : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

  private Q_SLOTS:
    void init() {
        for (const char* f : {"Magazzino.pro", "Operazioni_Carico.pro", "Operazioni_Scarico.pro"})
            QFile::remove(path(f));
    }

    void listsOnlyWhatDisagrees() {
        const QString mag = path("Magazzino.pro"), car = path("Operazioni_Carico.pro"),
                      sca = path("Operazioni_Scarico.pro");
        product(mag, u"A1"_qs, u"Agrees"_qs, u"5"_qs);      // 3 + 4 - 2
        product(mag, u"C1"_qs, u"Shared one"_qs, u"2"_qs);  // group of C1: 2 + 3 against 6
        product(mag, u"B1"_qs, u"Lost unload"_qs, u"7"_qs); // 10 - 2 = 8
        product(mag, u"D1"_qs, u"Never moved"_qs, u""_qs);  // blank stock is 0
        product(mag, u"C1"_qs, u"Shared two"_qs, u"3"_qs);
        product(mag, u"E1"_qs, u"Not a number"_qs, u"abc"_qs);
        product(mag, u"F1"_qs, u"Unload only"_qs, u"-4"_qs); // 0 - 4
        movement(car, u"A1"_qs, u"3"_qs);
        movement(car, u"A1"_qs, u"4"_qs);
        movement(car, u"B1"_qs, u"10"_qs);
        movement(car, u"C1"_qs, u"6"_qs);
        movement(car, u"a1"_qs, u"100"_qs); // another code: letters are compared exactly
        movement(car, u"B1"_qs, u"x"_qs);   // unreadable, not counted
        movement(sca, u"A1"_qs, u"2"_qs);
        movement(sca, u" B1 "_qs, u"2"_qs); // blanks around a code do not make another code
        movement(sca, u"F1"_qs, u"4"_qs);

        const StockCheck c = checkStock(mag, car, sca);
        QCOMPARE(c.products, 7);
        QCOMPARE(c.movements, 9);
        QCOMPARE(c.unreadableMovements, 1);
        QStringList seen;
        for (const StockDifference& d : c.differences)
            seen << QStringLiteral("%1 %2 %3 %4 %5 %6")
                        .arg(d.position)
                        .arg(d.code)
                        .arg(d.sheetStock)
                        .arg(d.journals)
                        .arg(d.readable ? QString::number(d.difference) : QStringLiteral("?"))
                        .arg(d.sharedCode ? QStringLiteral("shared") : QStringLiteral("-"));
        const QStringList expected = {
            u"2 C1 2 6 -1 shared"_qs,
            u"5 C1 3 6 -1 shared"_qs, // together, at the first
            u"3 B1 7 8 -1 -"_qs,
            u"6 E1 abc 0 ? -"_qs,
        };
        QCOMPARE(seen, expected);
    }

    // Archives written by other programs keep tabs and control bytes around codes; they are
    // blanks to every reader, so the movements of "A1" are the product's.
    void controlBytesAroundACodeAreBlanks_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("trailing tab") << QByteArray("A1\t");
        QTest::newRow("leading and trailing control bytes") << QByteArray("\x01"
                                                                          "A1\r\n");
        QTest::newRow("byte 32 and NUL") << QByteArray(" A1\0", 4);
    }
    void controlBytesAroundACodeAreBlanks() {
        QFETCH(QByteArray, stored);
        // Codice (25) at 0, Costo (12) at 26, Nome (50) at 39, Giacenza (4) at 90.
        QByteArray sheet(2502, '\0');
        sheet[0] = char(stored.size());
        sheet.replace(1, stored.size(), stored);
        sheet[90] = 1;
        sheet[91] = '5';
        test::writeFile(path("Magazzino.pro"), sheet);
        movement(path("Operazioni_Carico.pro"), u"A1"_qs, u"7"_qs);
        movement(path("Operazioni_Scarico.pro"), u"A1"_qs, u"2"_qs);

        const StockCheck c = checkStock(path("Magazzino.pro"), path("Operazioni_Carico.pro"),
                                        path("Operazioni_Scarico.pro"));
        QCOMPARE(c.products, 1);
        QCOMPARE(c.differences.size(), 0);
    }

    void missingFilesCountAsEmpty() {
        product(path("Magazzino.pro"), u"A1"_qs, u"Only"_qs, u"2"_qs);
        const StockCheck c =
            checkStock(path("Magazzino.pro"), path("Operazioni_Carico.pro"), path("none.pro"));
        QCOMPARE(c.differences.size(), 1);
        QCOMPARE(c.differences[0].difference, 2.0);
        QVERIFY(!QFile::exists(path("none.pro"))); // nothing is created
    }

    void anArchiveThatCannotBeReadThrows() {
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("Magazzino.pro")));
        QVERIFY_THROWS_EXCEPTION(StorageError, checkStock(path("Magazzino.pro"), {}, {}));
        QDir(m_dir.path()).rmdir(QStringLiteral("Magazzino.pro"));
    }

    void lineFormat() {
        StockDifference d;
        d.code = QStringLiteral("C1234567890123456789XYZ");
        d.name = QString(60, QLatin1Char('N'));
        d.sheetStock = u"2"_qs;
        d.journals = 6;
        d.difference = -1;
        d.sharedCode = true;
        const QString expected = u"* C1234567890123456789"_qs + u"  "_qs +
                                 QString(30, QLatin1Char('N')) +
                                 u"  Scheda: 2      Movimenti: 6       Differenza: -1"_qs;
        QCOMPARE(stockCheckLine(d), expected + u"  (schede con questo codice: 5)"_qs);
        d.sharedCode = false;
        QCOMPARE(stockCheckLine(d), u"  "_qs + expected.mid(2));
    }
};

QTEST_GUILESS_MAIN(TestStockCheck)
#include "TestStockCheck.moc"
