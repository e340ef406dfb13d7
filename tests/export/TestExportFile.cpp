#include "export/ArchiveCells.h"
#include "export/ExportConfig.h"
#include "export/SpreadsheetWriter.h"
#include "storage/Layouts.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "support/TestUtil.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

using namespace dp;
using namespace dp::exports;

class TestExportFile : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void joinedCells_data();
    void joinedCells();
    void textColumnsKeepLeadingZeros();
    void escaping_data();
    void escaping();
    void annullaStopsTheSnapshot();
};

void TestExportFile::joinedCells_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("cell");
    QTest::newRow("both parts") << QStringLiteral("Rossi") << QStringLiteral("Anna")
                                << QStringLiteral("Rossi Anna");
    QTest::newRow("empty first part, no leading blank")
        << QString() << QStringLiteral("Anna") << QStringLiteral("Anna");
    QTest::newRow("empty second part, no trailing blank")
        << QStringLiteral("Rossi") << QString() << QStringLiteral("Rossi");
    QTest::newRow("blanks around each part")
        << QStringLiteral("  De Santis ") << QStringLiteral(" Anna ")
        << QStringLiteral("De Santis Anna");
    QTest::newRow("both empty") << QString() << QString() << QString();
}

// The customer's name is Cognome and Nome joined.
void TestExportFile::joinedCells() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, cell);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Clienti.pro"));
    {
        // Stored with the blanks, as a record written by an older program could hold them.
        QByteArray bytes = Record(TSchedaCliente).bytes();
        const auto put = [&](int f, const QString& v) {
            const QByteArray raw = v.toLatin1();
            bytes.replace(TSchedaCliente.offset(f), raw.size() + 1, char(raw.size()) + raw);
        };
        put(Cliente::Cognome, first);
        put(Cliente::Nome, second);
        test::writeFile(path, bytes);
    }
    const SnapshotLoad load = takeSnapshot(exportConfig(ExportArchive::Customers), path);
    QVERIFY(!load.accessFailed);
    QCOMPARE(load.rows->count(), 1);
    QCOMPARE(load.rows->cellText(0, 0), cell);
}

void TestExportFile::textColumnsKeepLeadingZeros() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Clienti.pro"));
    {
        RecordFile f(path, TSchedaCliente);
        Record r(TSchedaCliente);
        r.setText(Cliente::PartitaIva, u"00743110157");
        r.setText(Cliente::CapRes, u"00184");
        r.setText(Cliente::DataRil, u"01/02/2020");
        r.setText(Cliente::Note, u"a < b & c, più tardi");
        f.append(r);
    }
    const ExportConfig& config = exportConfig(ExportArchive::Customers);
    const SnapshotLoad load = takeSnapshot(config, path);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QCOMPARE(SpreadsheetWriter::write(out, config, *load.rows), SpreadsheetWriter::Result::Written);
    const QByteArray bytes = out.data();
    const QByteArray text = "<td style=\"text-align: left; mso-number-format:'\\@';\" "
                            "sdnum=\"1040;0;@\">";
    QVERIFY(bytes.contains(text + "00184</td>" + text + "</td>"));
    QVERIFY(bytes.contains(text + "00743110157</td>"));
    QVERIFY(bytes.contains("<td style=\"text-align: left;\">01/02/2020</td>"
                           "<td style=\"text-align: left;\"></td>"));
    QVERIFY(bytes.contains(text + "a &lt; b &amp; c, pi\xF9 tardi</td>"));
    QVERIFY(!bytes.contains('\n'));
    QVERIFY(!bytes.contains('\r'));
}

void TestExportFile::escaping_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("plain") << QByteArray("Vite M4") << QByteArray("Vite M4");
    QTest::newRow("note") << QByteArray("a < b & c") << QByteArray("a &lt; b &amp; c");
    QTest::newRow("tag") << QByteArray("<b>") << QByteArray("&lt;b&gt;");
    QTest::newRow("entity stays text") << QByteArray("&amp;") << QByteArray("&amp;amp;");
    QTest::newRow("last character") << QByteArray("x>") << QByteArray("x&gt;");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void TestExportFile::escaping() {
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, written);
    QByteArray out("<td>");
    SpreadsheetWriter::appendEscaped(out, stored);
    QCOMPARE(out, "<td>" + written);
}

// "Annulla" on the progress of a long snapshot (its callback says no) stops the reading there.
void TestExportFile::annullaStopsTheSnapshot() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Magazzino.pro"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(qint64(TSchedaProdotto.size()) * 10000)); // empty records
    }
    int calls = 0;
    const SnapshotLoad load =
        takeSnapshot(exportConfig(ExportArchive::Products), path, [&](qint64 done, qint64 total) {
            ++calls;
            return done < total / 4;
        });
    QCOMPARE(calls, 1);
    QVERIFY(load.cancelled);
    QVERIFY(load.rows->count() < 10000);
}

QTEST_GUILESS_MAIN(TestExportFile)
#include "TestExportFile.moc"
