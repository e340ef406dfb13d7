#include "export/ExportConfig.h"
#include "export/ExportGridModel.h"
#include "export/ExportScreen.h"
#include "registry/TfrmClienti.h"
#include "registry/TfrmFornitori.h"
#include "storage/Layouts.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "summaries/MovementSelection.h"
#include "support/FakePlatform.h"
#include "support/LockHolder.h"
#include "support/Modal.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"
#include "warehouse/TfrmMagazzino.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressDialog>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QtTest>

#include <memory>

using namespace dp;
using namespace dp::exports;
using dp::test::FakePlatform;
using dp::test::field;

namespace {

const QString kAskExport = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
    "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kAskOpen = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di "
    "Excel?");
const QString kFailed =
    QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi "
                   "che il file di Excel non sia già aperto.");

// A movement written byte by byte: Data 10, Ora 8, Codice 30, Categoria 50, Nome 50,
// Aspetto 30, Importo 15, Aggiunta 10, Note 250.
QByteArray movement(const QByteArray& data, const QByteArray& ora, const QByteArray& codice,
                    const QByteArray& categoria, const QByteArray& nome, const QByteArray& aspetto,
                    const QByteArray& importo, const QByteArray& aggiunta, const QByteArray& note) {
    return field(10, data) + field(8, ora) + field(30, codice) + field(50, categoria) +
           field(50, nome) + field(30, aspetto) + field(15, importo) + field(10, aggiunta) +
           field(250, note);
}

// The whole spreadsheet file, written out piece by piece, of a load journal holding the two
// movements of twoMovements().
QByteArray expectedLoadFile() {
    const QByteArray text = "<td style=\"text-align: left; mso-number-format:'\\@';\" "
                            "sdnum=\"1040;0;@\">";
    const QByteArray left = "<td style=\"text-align: left;\">";
    const QByteArray right = "<td style=\"text-align: right;\">";
    const QByteArray head = "<td style=\"text-align: left; font-weight: bold;\" width=";
    QByteArray f;
    f += "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
         "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
         "xmlns=\"http://www.w3.org/TR/REC-html40\">";
    f += "<head>";
    f += "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">";
    f += "<!--[if gte mso 9]><xml>";
    f += "<x:ExcelWorkbook>";
    f += "<x:ExcelWorksheets>";
    f += "<x:ExcelWorksheet>";
    f += "<x:Name>Registro Carico</x:Name>";
    f += "<x:WorksheetOptions>";
    f += "<x:Selected/>";
    f += "<x:Panes>";
    f += "<x:Pane>";
    f += "<x:Number>1</x:Number>";
    f += "<x:ActiveRow>3</x:ActiveRow>";
    f += "</x:Pane>";
    f += "</x:Panes>";
    f += "<x:ProtectContents>False</x:ProtectContents>";
    f += "<x:ProtectObjects>False</x:ProtectObjects>";
    f += "<x:ProtectScenarios>False</x:ProtectScenarios>";
    f += "</x:WorksheetOptions>";
    f += "</x:ExcelWorksheet>";
    f += "</x:ExcelWorksheets>";
    f += "</x:ExcelWorkbook>";
    f += "</xml><![endif]-->";
    f += "</head>";
    f += "<body>";
    f += "<table x:str>";
    f += "<tr>";
    f += head + "180>Data carico</td>";
    f += head + "180>Ora carico</td>";
    f += head + "200>Codice articolo</td>";
    f += head + "250>Categoria merceologica</td>";
    f += head + "250>Nome prodotto</td>";
    f += head + "250>Aspetto esteriore</td>";
    f += head + "200>Quantit\xE0 caricata</td>";
    f += head + "180>Costo unitario</td>";
    f += head + "300>Note</td>";
    f += "</tr>";
    f += "<tr>";
    f += left + "05/03/2024</td>";
    f += left + "14:05:09</td>";
    f += text + "0012</td>";
    f += text + "Viteria</td>";
    f += text + "Vite M4 &lt;inox&gt;</td>";
    f += text + "Scatola</td>";
    f += right + "100</td>";
    f += right + "0,35</td>";
    f += text + "a &lt; b &amp; c, consegna pi\xF9 rapida</td>";
    f += "</tr>";
    f += "<tr>";
    f += left + "06/03/2024</td>";
    f += left + "09:00:00</td>";
    f += text + "A-7</td>";
    f += text + "Utensili</td>";
    f += text + "Cacciavite</td>";
    f += text + "</td>";
    f += right + "2</td>";
    f += right + "12,5</td>";
    f += text + "</td>";
    f += "</tr>";
    f += "</table>";
    f += "</body>";
    f += "</html>";
    return f;
}

QByteArray twoMovements() {
    return movement("05/03/2024", "14:05:09", "0012", "Viteria", "Vite M4 <inox>", "Scatola",
                    "0,35", "100", "a < b & c, consegna pi\xF9 rapida") +
           // Blanks around a stored code are not written; empty fields give empty cells.
           movement("06/03/2024", "09:00:00", "  A-7 ", "Utensili", "Cacciavite", "", "12,5", "2",
                    "");
}

void addCustomer(const QString& path, const QString& cognome, const QString& nome) {
    RecordFile f(path, TSchedaCliente);
    Record r(TSchedaCliente);
    r.setText(Cliente::Cognome, cognome);
    r.setText(Cliente::Nome, nome);
    f.append(r);
}

template <class T> T* child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

} // namespace

class TestExportScreens : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();

    void loadJournalFileByteForByte();
    void screensOfTheFiveArchives_data();
    void screensOfTheFiveArchives();
    void answers_data();
    void answers();
    void failureKeepsTheOldFile_data();
    void failureKeepsTheOldFile();
    void emptyArchiveGivesTheHeaderOnly();
    void fileHoldsTheArchiveAsItWasAtOpening();
    void unreadableArchiveIsReportedAndNotExported();
    void journalLostAfterOpeningIsNotExported();
    void exportAfterABusyJournalStartsClean();
    void annullaWhileLoadingClosesTheScreen();
    void hoverHints();
    void openersShowTheirExport_data();
    void openersShowTheirExport();

  private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    std::unique_ptr<ExportScreen> screen(ExportArchive archive);
    void clickExport(QWidget* s) { child<QToolButton>(s, "cmdEsporta")->click(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakePlatform> m_fake;
    std::unique_ptr<AppContext> m_ctx;
};

void TestExportScreens::init() {
    dp::test::failOnQtWarnings();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_fake = std::make_unique<FakePlatform>(m_dir->path());
    m_ctx = std::make_unique<AppContext>(*m_fake);
}

std::unique_ptr<ExportScreen> TestExportScreens::screen(ExportArchive archive) {
    auto s = std::make_unique<ExportScreen>(*m_ctx, nullptr, exportConfig(archive));
    if (archive == ExportArchive::LoadJournal)
        s->setJournalPath(path(QStringLiteral("Operazioni_Carico.pro")));
    if (archive == ExportArchive::UnloadJournal)
        s->setJournalPath(path(QStringLiteral("Operazioni_Scarico.pro")));
    s->show();
    return s;
}

void TestExportScreens::loadJournalFileByteForByte() {
    test::writeFile(path(QStringLiteral("Operazioni_Carico.pro")), twoMovements());
    auto s = screen(ExportArchive::LoadJournal);
    QCOMPARE(s->model()->rowCount(), 2);
    QCOMPARE(s->model()->index(1, 0).data().toString(), QStringLiteral("2"));
    QCOMPARE(s->model()->index(1, 3).data().toString(), QStringLiteral("A-7"));
    QCOMPARE(s->model()->index(0, 9).data().toString(),
             QStringLiteral("a < b & c, consegna più rapida"));
    clickExport(s.get());
    QCOMPARE(test::readFile(path(QStringLiteral("Registro_Carico.xls"))), expectedLoadFile());
    QCOMPARE(m_fake->shown.size(), 2);
    QCOMPARE(m_fake->shown[1].text, kAskOpen);
    QCOMPARE(
        m_fake->opened,
        QStringList{QUrl::fromLocalFile(path(QStringLiteral("Registro_Carico.xls"))).toString()});
    // Nothing else is left in the folder: the temporary file became the spreadsheet.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files),
             (QStringList{QStringLiteral("Operazioni_Carico.pro"),
                          QStringLiteral("Registro_Carico.xls")}));
}

void TestExportScreens::screensOfTheFiveArchives_data() {
    QTest::addColumn<int>("archive");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("sheetAndFirstHeaders");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("gridColumn");
    QTest::addColumn<QString>("gridHeader");
    QTest::addColumn<QByteArray>("fileHeader");
    QTest::addColumn<QString>("helpTitle");

    const QByteArray h = "<td style=\"text-align: left; font-weight: bold;\" width=";
    QTest::newRow("products")
        << int(ExportArchive::Products) << QStringLiteral("TfrmExpMagazzino")
        << QStringLiteral(" Esporta magazzino prodotti in Microsoft Excel")
        << QStringLiteral("Magazzino.xls") << QByteArray("<x:Name>Magazzino Prodotti</x:Name>")
        << 17 << 13 << QStringLiteral("Modalitò di pagamento")
        << h + "250>Modalit\xE0 di pagamento</td>" + h + "200>Data scadenza</td>"
        << QStringLiteral("Esportazione magazzino prodotti in Microsoft Excel.");
    QTest::newRow("customers") << int(ExportArchive::Customers) << QStringLiteral("TfrmExpClienti")
                               << QStringLiteral(" Esporta archivio clienti in Microsoft Excel")
                               << QStringLiteral("Clienti.xls")
                               << QByteArray("<x:Name>Riepilogo Clienti</x:Name>") << 25 << 25
                               << QStringLiteral("Codice Destinatario")
                               << h + "200>Codice Destinatario</td></tr>"
                               << QStringLiteral(
                                      "Esportazione archivio clienti in Microsoft Excel.");
    QTest::newRow("suppliers") << int(ExportArchive::Suppliers)
                               << QStringLiteral("TfrmExpFornitori")
                               << QStringLiteral(" Esporta archivio fornitori in Microsoft Excel")
                               << QStringLiteral("Fornitori.xls")
                               << QByteArray("<x:Name>Riepilogo Fornitori</x:Name>") << 22 << 5
                               << QStringLiteral("Città")
                               << "<tr>" + h + "250>Denominazione Ditta</td>"
                               << QStringLiteral(
                                      "Esportazione archivio fornitori in Microsoft Excel.");
    QTest::newRow("unload journal")
        << int(ExportArchive::UnloadJournal) << QStringLiteral("TfrmExpScarico")
        << QStringLiteral(" Esporta archivio movimenti di scarico merce in Microsoft Excel")
        << QStringLiteral("Registro_Scarico.xls") << QByteArray("<x:Name>Registro Scarico</x:Name>")
        << 9 << 7 << QStringLiteral("Quantità scaricata")
        << h + "200>Quantit\xE0 scaricata</td>" + h + "180>Prezzo unitario</td>"
        << QStringLiteral("Esportazione archivio movimenti di scarico merce in Microsoft Excel.");
}

void TestExportScreens::screensOfTheFiveArchives() {
    QFETCH(int, archive);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    QFETCH(QString, file);
    QFETCH(QByteArray, sheetAndFirstHeaders);
    QFETCH(int, columns);
    QFETCH(int, gridColumn);
    QFETCH(QString, gridHeader);
    QFETCH(QByteArray, fileHeader);
    QFETCH(QString, helpTitle);

    auto s = screen(ExportArchive(archive));
    QCOMPARE(s->objectName(), className);
    QCOMPARE(s->windowTitle(), caption);
    test::whileModal([&] { child<QToolButton>(s.get(), "cmdGuida")->click(); },
                     [&](QWidget* viewer) {
                         QCOMPARE(viewer->objectName(), QStringLiteral("TfrmGuida"));
                         QCOMPARE(child<QLabel>(viewer, "lblTitolo")->text(), helpTitle);
                     });
    QCOMPARE(child<QLabel>(s.get(), "panInfo")->text(),
             QStringLiteral("Esportazione archivio in Microsoft Excel."));
    auto* grid = child<QTableView>(s.get(), "grdRecords");
    QCOMPARE(grid->model()->columnCount(), columns + 1);
    QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("N."));
    QCOMPARE(grid->model()->headerData(gridColumn, Qt::Horizontal).toString(), gridHeader);

    clickExport(s.get());
    const QByteArray bytes = test::readFile(path(file));
    QVERIFY(bytes.contains(sheetAndFirstHeaders));
    QVERIFY(bytes.contains(fileHeader));
    QCOMPARE(bytes.count("<td"), columns);
}

void TestExportScreens::answers_data() {
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("desktopOpens");
    QTest::newRow("no to exporting") << QList<bool>{false} << 1 << false << false << true;
    QTest::newRow("no to opening") << QList<bool>{true, false} << 2 << true << false << true;
    QTest::newRow("yes to both") << QList<bool>{true, true} << 2 << true << true << true;
    // Nothing on the desktop opens the file: the user is told so, not that the export failed.
    QTest::newRow("desktop cannot open it")
        << QList<bool>{true, true} << 3 << true << true << false;
}

void TestExportScreens::answers() {
    QFETCH(QList<bool>, answers);
    QFETCH(int, questions);
    QFETCH(bool, written);
    QFETCH(bool, opened);
    QFETCH(bool, desktopOpens);
    addCustomer(path(QStringLiteral("Clienti.pro")), QStringLiteral("Rossi"),
                QStringLiteral("Anna"));
    auto s = screen(ExportArchive::Customers);
    for (bool a : answers)
        m_fake->answers.enqueue(a);
    m_fake->openAnswer = desktopOpens;
    clickExport(s.get());
    QCOMPARE(m_fake->shown.size(), questions);
    QCOMPARE(m_fake->shown[0].text, kAskExport);
    QCOMPARE(QFile::exists(path(QStringLiteral("Clienti.xls"))), written);
    QCOMPARE(m_fake->opened.size(), opened ? 1 : 0);
    if (!desktopOpens)
        QCOMPARE(m_fake->lastText(),
                 QStringLiteral("Attenzione: non è stato possibile aprire il file \"Clienti.xls\"."
                                "\n\r\n\rVerificare che sul computer sia installato un programma "
                                "in grado di aprire questo tipo di file."));
}

void TestExportScreens::failureKeepsTheOldFile_data() {
    QTest::addColumn<bool>("folderReadOnly");
    QTest::newRow("old file not writable") << false;
    QTest::newRow("folder not writable") << true;
}

void TestExportScreens::failureKeepsTheOldFile() {
    QFETCH(bool, folderReadOnly);
    addCustomer(path(QStringLiteral("Clienti.pro")), QStringLiteral("Rossi"),
                QStringLiteral("Anna"));
    const QString xls = path(QStringLiteral("Clienti.xls"));
    test::writeFile(xls, "the export of yesterday");
    auto s = screen(ExportArchive::Customers);
    QCOMPARE(s->model()->rowCount(), 1);

    const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                     QFile::WriteOther | QFile::ExeOther;
    const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    {
        const test::ScopedPermissions folder(m_dir->path(), folderReadOnly ? readable : all);
        const test::ScopedPermissions file(
            xls, folderReadOnly ? all : (QFile::ReadOwner | QFile::ReadOther));
        test::Unprivileged asUser;
        clickExport(s.get());
    }
    QCOMPARE(m_fake->shown.size(), 2);
    QCOMPARE(m_fake->shown[1].kind, FakePlatform::Kind::Message);
    QCOMPARE(m_fake->shown[1].text, kFailed);
    QVERIFY(m_fake->opened.isEmpty());
    QCOMPARE(test::readFile(xls), QByteArray("the export of yesterday"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);
}

void TestExportScreens::emptyArchiveGivesTheHeaderOnly() {
    auto s = screen(ExportArchive::UnloadJournal);
    QCOMPARE(s->model()->rowCount(), 0);
    // The missing journal was created empty, as every reader of a record file does.
    QVERIFY(QFile::exists(path(QStringLiteral("Operazioni_Scarico.pro"))));
    clickExport(s.get());
    const QByteArray bytes = test::readFile(path(QStringLiteral("Registro_Scarico.xls")));
    QVERIFY(bytes.endsWith("<table x:str><tr>"
                           "<td style=\"text-align: left; font-weight: bold;\" width=180>"
                           "Data scarico</td>"
                           "<td style=\"text-align: left; font-weight: bold;\" width=180>"
                           "Ora scarico</td>"
                           "<td style=\"text-align: left; font-weight: bold;\" width=200>"
                           "Codice articolo</td>"
                           "<td style=\"text-align: left; font-weight: bold;\" width=250>"
                           "Categoria merceologica</td>"
                           "<td style=\"text-align: left; font-weight: bold;\" width=250>"
                           "Nome prodotto</td>"
                           "<td style=\"text-align: left; font-weight: bold;\" width=250>"
                           "Aspetto esteriore</td>"
                           "<td style=\"text-align: left; font-weight: bold;\" width=200>"
                           "Quantit\xE0 scaricata</td>"
                           "<td style=\"text-align: left; font-weight: bold;\" width=180>"
                           "Prezzo unitario</td>"
                           "<td style=\"text-align: left; font-weight: bold;\" width=300>"
                           "Note</td></tr></table></body></html>"));
    QCOMPARE(bytes.count("<tr>"), 1);
    QCOMPARE(m_fake->shown.size(), 2);
}

void TestExportScreens::fileHoldsTheArchiveAsItWasAtOpening() {
    const QString journal = path(QStringLiteral("Operazioni_Carico.pro"));
    test::writeFile(journal, twoMovements());
    const QString products = path(QStringLiteral("Magazzino.pro"));
    {
        RecordFile f(products, TSchedaProdotto);
        Record r(TSchedaProdotto);
        r.setText(Prodotto::Codice, u"P1");
        f.append(r);
    }
    auto load = screen(ExportArchive::LoadJournal);
    auto product = screen(ExportArchive::Products);
    // Both kinds of grid (rows made from journal records, a snapshot of the archive) keep the
    // model contract while their archives change under them.
    QAbstractItemModelTester loadTester(child<QTableView>(load.get(), "grdRecords")->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester productTester(child<QTableView>(product.get(), "grdRecords")->model(),
                                           QAbstractItemModelTester::FailureReportingMode::QtTest);
    {
        RecordFile f(journal, TMovimento);
        Record r(TMovimento);
        r.setText(Movimento::Codice, u"LATER");
        f.append(r);
        RecordFile p(products, TSchedaProdotto);
        Record changed(TSchedaProdotto);
        changed.setText(Prodotto::Codice, u"CHANGED");
        p.rewrite(1, changed);
        p.append(changed);
    }
    clickExport(load.get());
    clickExport(product.get());
    QCOMPARE(test::readFile(path(QStringLiteral("Registro_Carico.xls"))), expectedLoadFile());
    const QByteArray bytes = test::readFile(path(QStringLiteral("Magazzino.xls")));
    QVERIFY(bytes.contains("sdnum=\"1040;0;@\">P1</td>"));
    QVERIFY(!bytes.contains("CHANGED"));
    QCOMPARE(bytes.count("<tr>"), 2);
}

void TestExportScreens::unreadableArchiveIsReportedAndNotExported() {
    // An archive that cannot be opened (here a folder of the archive's name).
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Fornitori.pro")));
    test::expectStorageLog(QStringLiteral("Fornitori.pro"));
    auto s = screen(ExportArchive::Suppliers);
    QTRY_COMPARE(m_fake->shown.size(), 1);
    QCOMPARE(m_fake->shown[0].kind, FakePlatform::Kind::Error);
    QCOMPARE(m_fake->shown[0].text,
             QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                            "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                            "installazione del programma."));
    QCOMPARE(s->model()->rowCount(), 0);
    QVERIFY(!child<QToolButton>(s.get(), "cmdEsporta")->isEnabled());
}

// The journal's cells are read when shown or written: a journal cut short after the screen
// opened (a lost share, a restore) fails the export instead of writing the rows it still has,
// and the user is told the archive could not be read.
void TestExportScreens::journalLostAfterOpeningIsNotExported() {
    const QString journal = path(QStringLiteral("Operazioni_Carico.pro"));
    // More movements than the reader keeps in memory, so the last ones are read from the file.
    QByteArray many;
    for (int i = 0; i < 5000; ++i)
        many += twoMovements();
    test::writeFile(journal, many);
    const QString xls = path(QStringLiteral("Registro_Carico.xls"));
    test::writeFile(xls, "the export of yesterday");
    auto s = screen(ExportArchive::LoadJournal);
    QCOMPARE(s->model()->rowCount(), 10000);
    QCOMPARE(s->model()->index(9999, 3).data().toString(), QStringLiteral("A-7"));
    QVERIFY(QFile::resize(journal, many.size() / 2));
    clickExport(s.get());
    QCOMPARE(m_fake->shown.size(), 2);
    QCOMPARE(m_fake->shown[1].kind, FakePlatform::Kind::Error);
    QCOMPARE(m_fake->shown[1].text,
             QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                            "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                            "installazione del programma."));
    QCOMPARE(test::readFile(xls), QByteArray("the export of yesterday"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);
}

// An export that met the journal locked by another workstation does not poison the retry the
// notice asks for. Meanwhile the grid shows its cells as not yet read, without waiting.
void TestExportScreens::exportAfterABusyJournalStartsClean() {
    const QString journal = path(QStringLiteral("Operazioni_Carico.pro"));
    QByteArray many;
    for (int i = 0; i < 3000; ++i)
        many += twoMovements();
    test::writeFile(journal, many);
    const QString xls = path(QStringLiteral("Registro_Carico.xls"));
    auto s = screen(ExportArchive::LoadJournal);
    {
        test::LockHolder other(journal, std::chrono::milliseconds(300));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(s->model()->index(5000, 3).data().toString(), QStringLiteral("\u2026"));
        QVERIFY(clock.elapsed() < 100);
        clickExport(s.get());
        QCOMPARE(m_fake->shown.size(), 2);
        QCOMPARE(m_fake->lastKind(), FakePlatform::Kind::Warning);
        QVERIFY(m_fake->lastText().contains(QStringLiteral("momentaneamente in uso")));
        QVERIFY(!QFile::exists(xls));
    }
    m_fake->clear();
    m_fake->answers << true << false;
    clickExport(s.get());
    QCOMPARE(m_fake->shown.size(), 2);
    QCOMPARE(m_fake->lastText(), kAskOpen);
    QCOMPARE(test::readFile(xls).count("<tr>"), 6001);
}

// "Annulla" on the progress of a long reading stops it and closes the screen. The archive is
// large but sparse (empty records), so that the reading lasts long enough for the progress
// to show; it is stopped at its start.
void TestExportScreens::annullaWhileLoadingClosesTheScreen() {
    {
        QFile f(path(QStringLiteral("Magazzino.pro")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(qint64(TSchedaProdotto.size()) * 800000));
    }
    bool cancelled = false, leftOpen = false;
    {
        const auto watch = test::watchModal([&](QWidget* w) {
            if (auto* p = qobject_cast<QProgressDialog*>(w)) {
                if (p->isVisible() && !cancelled) {
                    cancelled = true;
                    p->cancel();
                }
            } else if (cancelled && qobject_cast<ExportScreen*>(w)) {
                leftOpen = true;
                w->close();
            }
        });
        openExport(*m_ctx, nullptr, exportConfig(ExportArchive::Products));
    }
    QVERIFY(cancelled);
    QVERIFY(!leftOpen);
    QVERIFY(m_fake->shown.isEmpty());
}

void TestExportScreens::hoverHints() {
    auto s = screen(ExportArchive::Products);
    auto* info = child<QLabel>(s.get(), "panInfo");
    const std::pair<const char*, QString> hints[] = {
        {"cmdEsporta", QStringLiteral("Esporta l'archivio in formato Microsoft Excel.")},
        {"cmdGuida", QStringLiteral("Visualizza la pagina della guida sensibile al contesto.")},
        {"cmdEsci", QStringLiteral("Esci da questo ambiente di lavoro.")},
    };
    for (const auto& [name, text] : hints) {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(child<QWidget>(s.get(), name), &enter);
        QCOMPARE(info->text(), text);
    }
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(child<QTableView>(s.get(), "grdRecords")->viewport(), &move);
    QCOMPARE(info->text(), QString());
}

void TestExportScreens::openersShowTheirExport_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("archive");
    QTest::newRow("product sheet")
        << QStringLiteral("TfrmMagazzino") << QStringLiteral("btnEsporta")
        << QStringLiteral("TfrmExpMagazzino") << QStringLiteral("Magazzino.pro");
    QTest::newRow("customer sheet")
        << QStringLiteral("TfrmClienti") << QStringLiteral("cmdEsporta")
        << QStringLiteral("TfrmExpClienti") << QStringLiteral("Clienti.pro");
    QTest::newRow("supplier sheet")
        << QStringLiteral("TfrmFornitori") << QStringLiteral("cmdEsporta")
        << QStringLiteral("TfrmExpFornitori") << QStringLiteral("Fornitori.pro");
    QTest::newRow("load summary picture")
        << QStringLiteral("load") << QStringLiteral("cmdEsporta") << QStringLiteral("TfrmExpCarico")
        << QStringLiteral("Operazioni_Carico.pro");
    QTest::newRow("unload summary link")
        << QStringLiteral("unload") << QStringLiteral("lnkEsporta")
        << QStringLiteral("TfrmExpScarico") << QStringLiteral("Operazioni_Scarico.pro");
}

void TestExportScreens::openersShowTheirExport() {
    QFETCH(QString, opener);
    QFETCH(QString, control);
    QFETCH(QString, screen);
    QFETCH(QString, archive);
    std::unique_ptr<QWidget> w;
    if (opener == QLatin1String("TfrmMagazzino"))
        w = std::make_unique<TfrmMagazzino>(*m_ctx);
    else if (opener == QLatin1String("TfrmClienti"))
        w = std::make_unique<TfrmClienti>(*m_ctx);
    else if (opener == QLatin1String("TfrmFornitori"))
        w = std::make_unique<TfrmFornitori>(*m_ctx);
    else
        w = std::make_unique<MovementSelection>(*m_ctx, opener == QLatin1String("load")
                                                            ? summaries::kLoadSummary
                                                            : summaries::kUnloadSummary);
    w->show();
    QWidget* target = w->findChild<QWidget*>(control);
    QVERIFY(target && target->isEnabled());

    QString shown;
    QString read;
    QWidget* owner = nullptr;
    test::whileModal(
        [&] {
            if (auto* b = qobject_cast<QAbstractButton*>(target))
                b->click();
            else
                QTest::mouseClick(target, Qt::LeftButton);
        },
        [&](QWidget* modal) {
            auto* e = qobject_cast<ExportScreen*>(modal);
            QVERIFY(e);
            shown = e->objectName();
            read = e->archivePath();
            owner = e->parentWidget();
        });
    QCOMPARE(shown, screen);
    QCOMPARE(read, path(archive));
    QCOMPARE(owner, w.get());
    // The export screen was destroyed when it closed.
    QVERIFY(w->findChildren<ExportScreen*>().isEmpty());
}

QTEST_MAIN(TestExportScreens)
#include "TestExportScreens.moc"
