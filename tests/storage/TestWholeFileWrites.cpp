#include "app/IniFile.h"
#include "attachments/AttachmentFolder.h"
#include "attachments/PhotoStore.h"
#include "export/ExportConfig.h"
#include "export/SpreadsheetWriter.h"
#include "report/ListReport.h"
#include "report/PdfExport.h"
#include "support/SmallDisk.h"
#include "support/TestUtil.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace dp;

namespace {

// Every program file that is written whole, by the code that writes it.
enum class Writer { Photo, Spreadsheet, Pdf, PasswordFile, Attachment };

// Rows of a few short cells: a spreadsheet of some kilobytes.
class FewRows final : public TextRows {
  public:
    qsizetype count() const override { return 8; }
    int columnCount() const override { return 17; }
    void cell(qsizetype row, int column, QByteArray& out) const override {
        out += "riga " + QByteArray::number(row) + " colonna " + QByteArray::number(column);
    }
};

// A picture whose JPEG takes some kilobytes: a gradient with a few shapes.
QImage picture() {
    QImage img(366, 274, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 366, 274);
    g.setColorAt(0, Qt::darkBlue);
    g.setColorAt(1, Qt::yellow);
    p.fillRect(img.rect(), g);
    for (int i = 0; i < 12; ++i)
        p.drawEllipse(QPoint(30 * i, 20 * i), 15, 25);
    return img;
}

// Writes the file of `writer` below `dir`; true when the writer reported success.
bool write(Writer writer, const QString& dir, const QString& elsewhere) {
    switch (writer) {
    case Writer::Photo:
        return attachments::PhotoStore(dir + QLatin1Char('/')).store(picture(), 1);
    case Writer::Spreadsheet:
        return exports::SpreadsheetWriter::save(
                   dir + QStringLiteral("/Magazzino.xls"),
                   exports::exportConfig(exports::ExportArchive::Products),
                   FewRows()) == exports::SpreadsheetWriter::Result::Written;
    case Writer::Pdf: {
        report::ListReportConfig request;
        request.title = QStringLiteral("Scheda cliente");
        for (int i = 0; i < 2; ++i)
            request.lines << QStringLiteral("riga %1 della scheda").arg(i);
        request.printDate = QDate(2026, 12, 10);
        return report::writePdf(report::ListReport(request), dir + QStringLiteral("/Cliente.pdf"));
    }
    case Writer::PasswordFile:
        return app::IniFile::write(dir + QStringLiteral("/unins000.dll"), u"Accesso", u"Valore",
                                   QString(6000, QLatin1Char('A')));
    case Writer::Attachment: {
        const QString source = elsewhere + QStringLiteral("/listino.pdf");
        test::writeFile(source, QByteArray(12000, 'L'));
        return attachments::AttachmentFolder(dir).copyIn(source, QStringLiteral("listino.pdf")) ==
               attachments::AttachmentFolder::Copy::Copied;
    }
    }
    return false;
}

} // namespace

class TestWholeFileWrites : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void aFullDiskFailsTheWriteAndKeepsTheOldFile_data() {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<QString>("file");
        QTest::newRow("product photo")
            << Writer::Photo << QStringLiteral("Schedario/Prodotto_1.jpg");
        QTest::newRow("spreadsheet") << Writer::Spreadsheet << QStringLiteral("Magazzino.xls");
        QTest::newRow("pdf sheet") << Writer::Pdf << QStringLiteral("Cliente.pdf");
        QTest::newRow("password file") << Writer::PasswordFile << QStringLiteral("unins000.dll");
        QTest::newRow("attachment")
            << Writer::Attachment << QStringLiteral("Documenti_Allegati/listino.pdf");
    }

    // What is left of the last few kilobytes, those still in the write buffer when the file
    // is closed, must not be lost without a word: that write fails and the file written
    // before stays whole.
    void aFullDiskFailsTheWriteAndKeepsTheOldFile() {
        QFETCH(Writer, writer);
        QFETCH(QString, file);
        test::SmallDisk disk;
        DP_REQUIRE_SMALL_DISK(disk);
        QTemporaryDir elsewhere;
        const QString dir = disk.path() + QStringLiteral("/programma");
        const QString path = dir + QLatin1Char('/') + file;
        QDir().mkpath(QFileInfo(path).absolutePath());
        const QByteArray old("[Accesso]\r\nValore=6403E729831D56\r\n");
        test::writeFile(path, old);

        // With room for the file, it is written.
        QVERIFY(write(writer, dir, elsewhere.path()));
        QVERIFY(test::readFile(path).size() > old.size());

        test::writeFile(path, old);
        QVERIFY(disk.fill(0));
        QVERIFY(!write(writer, dir, elsewhere.path()));
        QCOMPARE(test::readFile(path), old);
        // Nothing half written is left beside it.
        QCOMPARE(QDir(QFileInfo(path).absolutePath())
                     .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QFileInfo(path).fileName()});
    }

    // The export can say why: the disk is full, not the spreadsheet file held open.
    void aFullDiskIsToldApartFromOtherFailures() {
        test::SmallDisk disk;
        DP_REQUIRE_SMALL_DISK(disk);
        const auto save = [&](const QString& path) {
            return exports::SpreadsheetWriter::save(
                path, exports::exportConfig(exports::ExportArchive::Products), FewRows());
        };
        QVERIFY(disk.fill(0));
        QCOMPARE(save(disk.path() + QStringLiteral("/Magazzino.xls")),
                 exports::SpreadsheetWriter::Result::DiskFull);
        disk.empty();
        QCOMPARE(save(disk.path() + QStringLiteral("/manca/Magazzino.xls")),
                 exports::SpreadsheetWriter::Result::Failed);
    }
};

QTEST_MAIN(TestWholeFileWrites)
#include "TestWholeFileWrites.moc"
