#include "printing/ProductSheetOptions.h"
#include "printing/SheetContent.h"
#include "printing/SheetOutput.h"
#include "printing/TfrmAnteprimaMag.h"
#include "printing/TfrmStampaMag.h"
#include "registry/TfrmClienti.h"
#include "registry/TfrmFornitori.h"
#include "report/PreviewDialog.h"
#include "report/SheetLayout.h"
#include "support/FakePlatform.h"
#include "support/Modal.h"
#include "support/PdfText.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"
#include "warehouse/TfrmMagazzino.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <functional>
#include <memory>
#include <optional>
#include <sys/resource.h>

using namespace dp;
using namespace dp::printing;
using Kind = test::FakePlatform::Kind;
using test::hasPdfLine;
using test::pdfText;
using test::runTool;

namespace {

// Every word of the page with its box in millimetres from the paper's corner.
struct Word {
    QString text;
    QRectF mm;
};
QList<Word> pdfWords(const QString& path) {
    const QString html =
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">"
        "([^<]*)</word>"));
    QList<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        const auto mm = [&](int i) { return m.captured(i).toDouble() * 25.4 / 72; };
        words.append({m.captured(5), QRectF(QPointF(mm(1), mm(2)), QPointF(mm(3), mm(4)))});
    }
    return words;
}

// The sheet's controls as a plain table.
class TableSource final : public SheetSource {
  public:
    QHash<QString, QString> values;
    QImage picture;
    QString text(const QString& control) const override { return values.value(control); }
    void setText(const QString& control, const QString& text) override { values[control] = text; }
    QImage photo() const override { return picture; }
};

QImage redPhoto() {
    QImage red(400, 200, QImage::Format_RGB32);
    red.fill(Qt::red);
    return red;
}

TableSource product(const QString& stock, const QString& cost) {
    TableSource s;
    s.values = {{QStringLiteral("txtCodice"), QStringLiteral("VT-0042")},
                {QStringLiteral("txtNome"), QStringLiteral("Vite svasata")},
                {QStringLiteral("txtGiacenza"), stock},
                {QStringLiteral("txtCosto"), cost},
                {QStringLiteral("chkPagato"), QStringLiteral("No")}};
    s.picture = redPhoto();
    return s;
}

QString rowText(const report::ReportDocument& sheet, const QString& name) {
    const report::ReportItem* item = sheet.find(name);
    return item ? item->text : QStringLiteral("<missing>");
}

// While alive, files written by this process can hold at most `bytes`, as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }

  private:
    rlimit m_old{};
};

const QString kPdfQuestion = QStringLiteral(
    "L'esportazione della scheda in PDF è terminata con successo.\r\n\r\nSi vuole aprire il "
    "file?");

void setField(QWidget* screen, const char* name, const QString& text) {
    const QString n = QLatin1String(name);
    if (auto* box = screen->findChild<QComboBox*>(n))
        box->setEditText(text);
    else if (auto* edit = screen->findChild<QLineEdit*>(n))
        edit->setText(text);
    else
        QFAIL(qPrintable(QStringLiteral("no field ") + n));
}

// Clicks a button of a screen as the user does; it must be there and enabled.
bool clickButton(QWidget* screen, const char* name) {
    auto* button = screen->findChild<QAbstractButton*>(QLatin1String(name));
    if (!button || !button->isEnabled())
        return false;
    button->click();
    return true;
}

// The zoom of a preview window on show, closing it; 0 when no preview was open.
qreal closePreview(QWidget* w) {
    auto* preview = qobject_cast<PreviewDialog*>(w);
    if (!preview)
        return 0;
    const qreal zoom = preview->pageCount() == 1 ? preview->zoomFactor() : -1;
    preview->reject();
    return zoom;
}

} // namespace

class TestRecordSheets : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // A row naming a control the screen does not have is a fault of the sheet's table.
    void init() { dp::test::failOnQtWarnings(); }
    void customerSheetPdf();
    void supplierSheetRows();
    void productTotal_data();
    void productTotal();
    void positions_data();
    void positions();
    void longValueIsCutAtTheBoxEdge();
    void pdfNotWritten_data();
    void pdfNotWritten();
    void photoOrNotesBox_data();
    void photoOrNotesBox();
    void previewOptionScreen();
    void registryButtons_data();
    void registryButtons();
    void productButtons();
};

void TestRecordSheets::customerSheetPdf() {
    QTemporaryDir dir;
    test::FakePlatform platform(dir.path());
    AppContext ctx(platform);
    TfrmClienti screen(ctx);
    // Typed, not saved: the sheet shows the screen as it is now.
    auto* cognome = screen.findChild<QLineEdit*>(QStringLiteral("txtCognome"));
    QTest::keyClicks(cognome, QStringLiteral("Rossi"));
    setField(&screen, "txtNome", QStringLiteral("  Mario  "));
    setField(&screen, "txtComuneRes", QStringLiteral("Genova"));
    setField(&screen, "txtProvRes", QStringLiteral("GE"));
    setField(&screen, "txtDataRil", QStringLiteral("10/01/2020"));
    setField(&screen, "txtNote", QStringLiteral(" Cliente storico àèìòù "));

    platform.answers.enqueue(true);
    outputRegistrySheet(ctx, &screen, kCustomerSheet, SheetOutput::Pdf);
    const QString path = dir.filePath(QStringLiteral("Cliente.pdf"));
    QCOMPARE(platform.shown.size(), 1);
    QCOMPARE(platform.lastKind(), Kind::Question);
    QCOMPARE(platform.lastText(), kPdfQuestion);
    QCOMPARE(platform.opened, QStringList{QUrl::fromLocalFile(path).toString()});

    const QString text = pdfText(path);
    QVERIFY(text.contains(QStringLiteral("SCHEDA ANAGRAFICA CLIENTE")));
    for (const char* line : {
             "Cognome e nome: Rossi Mario",
             "Comune di residenza: Genova GE",
             "Data di nascita:",
             "Carta di credito: N. - Scadenza:",
             "Data di rilascio: 10/01/2020 - Scadenza:",
             "Note: Cliente storico àèìòù",
             "Stampa eseguita in data 05/03/2024 alle ore 14:05:09",
         })
        QVERIFY2(hasPdfLine(text, QString::fromUtf8(line)), line);
    const QString info = runTool(QStringLiteral("pdfinfo"), {path});
    for (const char* entry : {"Title: +Scheda informativa\n", "Subject: +Scheda informativa\n",
                              "Author: +Lorvani Software\n", "Creator: +Lorvani Software\n",
                              "Pages: +1\n", "Page size: +595 x 842 pts \\(A4\\)"})
        QVERIFY2(info.contains(QRegularExpression(QLatin1String(entry))), entry);
    QVERIFY(runTool(QStringLiteral("pdffonts"), {path}).contains(QStringLiteral("LiberationSans")));

    // The joins keep their blanks exactly, with nothing between and after them.
    const ControlSheetSource source(&screen);
    const report::ReportDocument sheet = registrySheet(kCustomerSheet, source, platform.now());
    QCOMPARE(rowText(sheet, QStringLiteral("txtCampo16")), QStringLiteral("N.   -  Scadenza: "));
    QCOMPARE(rowText(sheet, QStringLiteral("titCampo16")), QStringLiteral("Carta di credito:"));
    QCOMPARE(rowText(sheet, QStringLiteral("txtCampo03")), QStringLiteral(" "));

    // Another customer replaces the file without a question about it; No leaves it unopened.
    setField(&screen, "txtCognome", QStringLiteral("Bianchi"));
    platform.clear();
    platform.answers.enqueue(false);
    outputRegistrySheet(ctx, &screen, kCustomerSheet, SheetOutput::Pdf);
    QCOMPARE(platform.shown.size(), 1);
    QCOMPARE(platform.lastText(), kPdfQuestion);
    QVERIFY(platform.opened.isEmpty());
    const QString second = pdfText(path);
    QVERIFY(hasPdfLine(second, QStringLiteral("Cognome e nome: Bianchi Mario")));
    QVERIFY(!second.contains(QStringLiteral("Rossi")));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Cliente.pdf")});

    // Yes, but no program on the desktop opens PDF files: the user is told.
    platform.clear();
    platform.answers.enqueue(true);
    platform.openAnswer = false;
    outputRegistrySheet(ctx, &screen, kCustomerSheet, SheetOutput::Pdf);
    QCOMPARE(platform.shown.size(), 2);
    QCOMPARE(platform.lastKind(), Kind::Message);
    QCOMPARE(platform.lastText(),
             QStringLiteral("Attenzione: non è stato possibile aprire il file \"Cliente.pdf\".\n\r"
                            "\n\rVerificare che sul computer sia installato un programma in grado "
                            "di aprire questo tipo di file."));
}

void TestRecordSheets::supplierSheetRows() {
    QTemporaryDir dir;
    test::FakePlatform platform(dir.path());
    AppContext ctx(platform);
    TfrmFornitori screen(ctx);
    setField(&screen, "txtDitta", QStringLiteral("Ferramenta Rizzo & C."));
    setField(&screen, "txtComuneRes", QStringLiteral("Torino"));
    setField(&screen, "txtProvRes", QStringLiteral("TO"));
    setField(&screen, "txtCarta", QStringLiteral("4111111111111111"));
    auto* flag = screen.findChild<QCheckBox*>(QStringLiteral("chkRicontatta"));
    QVERIFY(flag);

    platform.answers.enqueue(false);
    flag->setChecked(true);
    outputRegistrySheet(ctx, &screen, kSupplierSheet, SheetOutput::Pdf);
    const QString path = dir.filePath(QStringLiteral("Fornitore.pdf"));
    QString text = pdfText(path);
    QVERIFY(text.contains(QStringLiteral("SCHEDA ANAGRAFICA FORNITORE")));
    for (const char* line :
         {"Denominazione Ditta: Ferramenta Rizzo & C.", "Città: Torino", "Provincia: TO",
          "Carta di credito n. 4111111111111111", "Da ricontattare: Sì", "Note:"})
        QVERIFY2(hasPdfLine(text, QString::fromUtf8(line)), line);

    flag->setChecked(false);
    outputRegistrySheet(ctx, &screen, kSupplierSheet, SheetOutput::Pdf);
    QVERIFY(hasPdfLine(pdfText(path), QStringLiteral("Da ricontattare: No")));
}

void TestRecordSheets::productTotal_data() {
    QTest::addColumn<QString>("stock");
    QTest::addColumn<QString>("cost");
    QTest::addColumn<QString>("stockAfter");
    QTest::addColumn<QString>("costAfter");
    QTest::addColumn<QString>("row17"); // empty: refused
    QTest::addColumn<QString>("warning");

    const QString refusedStock = QStringLiteral(
        "Attenzione: il campo \"Giacenza attuale\" non contiene un numero valido.\n\nCorreggere "
        "il valore per stampare la scheda o visualizzarne l'anteprima.");
    QTest::newRow("3 x 12,5") << "3"
                              << "12,5"
                              << "3"
                              << "12,5"
                              << "Costo unitario (€ 12,5) x giacenza (3 pezzi) = € 37,5"
                              << "";
    QTest::newRow("whole total") << " 2 "
                                 << "10,00"
                                 << " 2 "
                                 << "10,00"
                                 << "Costo unitario (€ 10,00) x giacenza (2 pezzi) = € 20"
                                 << "";
    QTest::newRow("shortest form") << "3"
                                   << "0,1"
                                   << "3"
                                   << "0,1"
                                   << "Costo unitario (€ 0,1) x giacenza (3 pezzi) = € 0,3"
                                   << "";
    QTest::newRow("empty stock") << "  "
                                 << "12,5"
                                 << "0"
                                 << "12,5"
                                 << "Costo unitario (€ 12,5) x giacenza (0 pezzi) = € 0"
                                 << "";
    QTest::newRow("empty cost") << "4"
                                << ""
                                << "4"
                                << "0,00"
                                << "Costo unitario (€ 0,00) x giacenza (4 pezzi) = € 0"
                                << "";
    QTest::newRow("stock not a number") << "tre"
                                        << ""
                                        << "tre"
                                        << "0,00"
                                        << "" << refusedStock;
    QTest::newRow("cost with a point")
        << "3"
        << "12.5"
        << "3"
        << "12.5"
        << ""
        << QStringLiteral("Attenzione: il campo \"Costo unitario\" non contiene un numero "
                          "valido.\n\nCorreggere il valore per stampare la scheda o "
                          "visualizzarne l'anteprima.");
}

void TestRecordSheets::productTotal() {
    QFETCH(QString, stock);
    QFETCH(QString, cost);
    QFETCH(QString, stockAfter);
    QFETCH(QString, costAfter);
    QFETCH(QString, row17);
    QFETCH(QString, warning);

    TableSource source = product(stock, cost);
    const auto made = productSheet(source, false, {}, QDateTime(QDate(2024, 3, 5), QTime(9, 0)));
    QCOMPARE(source.values.value(QStringLiteral("txtGiacenza")), stockAfter);
    QCOMPARE(source.values.value(QStringLiteral("txtCosto")), costAfter);
    if (!warning.isEmpty()) {
        QCOMPARE(std::get<QString>(made), warning);
        return;
    }
    const auto& sheet = std::get<report::ReportDocument>(made);
    QCOMPARE(rowText(sheet, QStringLiteral("titCampo17")), QStringLiteral("Valore totale:"));
    QCOMPARE(rowText(sheet, QStringLiteral("txtCampo17")), row17);
    QCOMPARE(rowText(sheet, QStringLiteral("txtCampo18")), QStringLiteral("No"));
}

void TestRecordSheets::positions_data() {
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("word");
    QTest::addColumn<qreal>("left");    // mm from the paper's left edge
    QTest::addColumn<qreal>("centreY"); // mm from the paper's top edge

    // Margins 10 mm, texts 0,5 mm inside their boxes, rows vertically centred in 6 mm.
    const int registry = int(report::SheetLayout::Registry);
    const int plain = int(report::SheetLayout::Product);
    const int photo = int(report::SheetLayout::ProductWithPhoto);
    QTest::newRow("registry row 1 label") << registry << "Cognome" << 13.5 << 37.0;
    QTest::newRow("registry row 1 value") << registry << "Rossi" << 70.5 << 37.0;
    QTest::newRow("registry row 24 label") << registry << "Note:" << 13.5 << 267.0;
    QTest::newRow("registry title") << registry << "ANAGRAFICA" << -1.0 << 17.5;
    QTest::newRow("registry footer") << registry << "eseguita" << -1.0 << 282.0;
    QTest::newRow("product row 1 value") << plain << "VT-0042" << 70.5 << 37.0;
    QTest::newRow("product row 18 label") << plain << "Pagato:" << 13.5 << 207.0;
    QTest::newRow("notes caption") << plain << "SPAZIO" << 14.0 << -1.0;
    QTest::newRow("photo row 1 label") << photo << "Codice" << 13.5 << 117.0;
    QTest::newRow("photo row 2 label") << photo << "Costo" << 13.5 << 126.0;
    QTest::newRow("photo row 18 label") << photo << "Pagato:" << 13.5 << 270.0;
}

void TestRecordSheets::positions() {
    QFETCH(int, layout);
    QFETCH(QString, word);
    QFETCH(qreal, left);
    QFETCH(qreal, centreY);

    QTemporaryDir dir;
    test::FakePlatform platform(dir.path());
    AppContext ctx(platform);
    const auto kind = report::SheetLayout(layout);
    report::ReportDocument sheet;
    if (kind == report::SheetLayout::Registry) {
        TableSource source;
        source.values[QStringLiteral("txtCognome")] = QStringLiteral("Rossi");
        sheet = registrySheet(kCustomerSheet, source, platform.now());
    } else {
        TableSource source = product(QStringLiteral("3"), QStringLiteral("1,5"));
        sheet = std::get<report::ReportDocument>(productSheet(
            source, kind == report::SheetLayout::ProductWithPhoto, redPhoto(), platform.now()));
    }
    outputSheet(ctx, nullptr, sheet, SheetOutput::Pdf, "Cliente.pdf");
    const QList<Word> words = pdfWords(dir.filePath(QStringLiteral("Cliente.pdf")));
    const auto found =
        std::find_if(words.begin(), words.end(), [&](const Word& w) { return w.text == word; });
    QVERIFY2(found != words.end(), qPrintable(word));
    const QRectF box = found->mm;
    if (left >= 0)
        QVERIFY2(qAbs(box.left() - left) <= 0.5, qPrintable(QString::number(box.left())));
    if (centreY >= 0)
        QVERIFY2(qAbs(box.center().y() - centreY) <= 0.5,
                 qPrintable(QString::number(box.center().y())));
    if (word == QLatin1String("SPAZIO")) // top-aligned at 205 mm in the box at 204 mm
        QVERIFY2(box.top() >= 214.5 && box.top() <= 216, qPrintable(QString::number(box.top())));
    if (word == QLatin1String("ANAGRAFICA")) // the middle word of the centred title
        QVERIFY2(qAbs(box.center().x() - 115.5) <= 0.5 * box.width(),
                 qPrintable(QString::number(box.center().x())));
}

void TestRecordSheets::longValueIsCutAtTheBoxEdge() {
    QTemporaryDir dir;
    test::FakePlatform platform(dir.path());
    AppContext ctx(platform);
    TableSource source;
    QString note;
    for (int i = 1; i <= 40; ++i)
        note += QStringLiteral("parola%1 ").arg(i);
    source.values[QStringLiteral("txtNote")] = note;
    source.values[QStringLiteral("txtQuestioni")] = QStringLiteral("prima\nseconda");
    const report::ReportDocument sheet = registrySheet(kCustomerSheet, source, platform.now());
    QCOMPARE(rowText(sheet, QStringLiteral("txtCampo23")), QStringLiteral("prima seconda"));
    outputSheet(ctx, nullptr, sheet, SheetOutput::Pdf, "Cliente.pdf");
    const QString path = dir.filePath(QStringLiteral("Cliente.pdf"));

    // The value box of row 24 ends at 10 + 60 + 128 = 198 mm; its row is 264 to 270 mm.
    bool sawStart = false;
    for (const Word& w : pdfWords(path)) {
        if (!w.text.startsWith(QLatin1String("parola")))
            continue;
        sawStart |= w.text == QLatin1String("parola1");
        QVERIFY2(w.mm.left() < 198, qPrintable(w.text));
        QVERIFY2(qAbs(w.mm.center().y() - 267) <= 0.5, qPrintable(w.text)); // one line
        QVERIFY(w.text != QLatin1String("parola40"));
    }
    QVERIFY(sawStart);
    QVERIFY(hasPdfLine(pdfText(path), QStringLiteral("Questioni in sospeso: prima seconda")));

    // Nothing is drawn right of the box, on the paper's white margin.
    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), path, dir.filePath(QStringLiteral("pagina"))});
    const QImage page(dir.filePath(QStringLiteral("pagina.png")));
    QVERIFY(!page.isNull());
    for (int x = 1985; x < 2080; ++x)
        for (int y = 2645; y < 2695; ++y)
            QVERIFY2(page.pixelColor(x, y).lightness() > 245,
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
}

void TestRecordSheets::pdfNotWritten_data() {
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::newRow("disk full") << false;
    QTest::newRow("folder without write access") << true;
}

void TestRecordSheets::pdfNotWritten() {
    QFETCH(bool, readOnlyFolder);
    QTemporaryDir dir;
    test::FakePlatform platform(dir.path());
    AppContext ctx(platform);
    const QString path = dir.filePath(QStringLiteral("Cliente.pdf"));
    const QByteArray earlier("%PDF-1.4 la scheda di prima\n");
    test::writeFile(path, earlier);
    TableSource source;
    source.values[QStringLiteral("txtCognome")] = QStringLiteral("Rossi");
    const report::ReportDocument sheet = registrySheet(kCustomerSheet, source, platform.now());
    {
        std::optional<test::ScopedPermissions> readOnly;
        std::optional<test::Unprivileged> nobody;
        std::optional<FileSizeLimit> limit;
        if (readOnlyFolder) {
            readOnly.emplace(dir.path(), test::kReadOnlyFolder);
            nobody.emplace();
        } else {
            limit.emplace(2000);
        }
        outputSheet(ctx, nullptr, sheet, SheetOutput::Pdf, "Cliente.pdf");
    }
    QCOMPARE(platform.shown.size(), 1);
    QCOMPARE(platform.lastKind(), Kind::Error);
    QCOMPARE(platform.lastText(),
             QStringLiteral("Attenzione: non è stato possibile esportare la scheda in formato "
                            "PDF.\n\nVerificare che il file Cliente.pdf non sia aperto in un "
                            "altro programma e che nella cartella del programma ci sia spazio e "
                            "permesso di scrittura, quindi riprovare."));
    QVERIFY(platform.opened.isEmpty());
    QCOMPARE(test::readFile(path), earlier);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Cliente.pdf")});
}

void TestRecordSheets::photoOrNotesBox_data() {
    QTest::addColumn<bool>("withPhoto");
    QTest::newRow("con") << true;
    QTest::newRow("senza") << false;
}

void TestRecordSheets::photoOrNotesBox() {
    QFETCH(bool, withPhoto);
    QTemporaryDir dir;
    test::FakePlatform platform(dir.path());
    AppContext ctx(platform);
    platform.printToPdf = dir.filePath(QStringLiteral("stampa.pdf"));
    QWidget productScreen;
    TableSource source = product(QString(), QStringLiteral("12,5"));

    TfrmStampaMag options(ctx, &productScreen, &source);
    QCOMPARE(options.windowTitle(), QStringLiteral(" Stampa scheda"));
    auto* memory = options.findChild<QLabel*>(QStringLiteral("lblMemory"));
    auto* optUno = options.findChild<QRadioButton*>(QStringLiteral("optUno"));
    auto* optDue = options.findChild<QRadioButton*>(QStringLiteral("optDue"));
    QVERIFY(memory && optUno && optDue);
    QCOMPARE(memory->text(), QStringLiteral("con"));
    QVERIFY(optUno->isChecked());
    QCOMPARE(optUno->text(), QStringLiteral("Stampa dati con foto."));
    QCOMPARE(optDue->text(), QStringLiteral("Stampa dati senza foto."));
    QCOMPARE(options.copiedPhoto().pixelColor(0, 0), QColor(Qt::red));
    optDue->click();
    QCOMPARE(memory->text(), QStringLiteral("senza"));
    if (withPhoto) {
        optUno->click();
        QCOMPARE(memory->text(), QStringLiteral("con"));
    }
    // The label shows the choice; text written into it makes none.
    memory->setText(withPhoto ? QStringLiteral("senza") : QStringLiteral("con"));
    options.findChild<QPushButton*>(QStringLiteral("btnStampa"))->click();

    QCOMPARE(platform.printDialogs, 1);
    QCOMPARE(options.result(), int(QDialog::Accepted));
    QCOMPARE(source.values.value(QStringLiteral("txtGiacenza")), QStringLiteral("0"));
    const QString text = pdfText(platform.printToPdf);
    QVERIFY(text.contains(QStringLiteral("SCHEDA PRODOTTO")));
    QVERIFY(hasPdfLine(text, QStringLiteral("Giacenza attuale: 0")));
    QVERIFY(hasPdfLine(text, QStringLiteral("Pagato: No")));
    QCOMPARE(text.contains(QStringLiteral("SPAZIO PER APPUNTI:")), !withPhoto);

    // The photo box's centre is red with the photo, paper white without it.
    // Ten pixels a millimetre.
    runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("254"),
                                         QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                         platform.printToPdf, dir.filePath(QStringLiteral("p"))});
    const QImage page(dir.filePath(QStringLiteral("p.png")));
    QVERIFY(!page.isNull());
    const QColor centre = page.pixelColor(1055, 705);
    QCOMPARE(centre.red() > 240 && centre.green() < 30, withPhoto);
    // The notes box's lower edge, at 261 mm, crosses the gap between labels and values.
    QCOMPARE(page.pixelColor(670, 2710).lightness() < 200, !withPhoto);
}

void TestRecordSheets::previewOptionScreen() {
    QTemporaryDir dir;
    test::FakePlatform platform(dir.path());
    AppContext ctx(platform);
    QWidget productScreen;
    TableSource source = product(QStringLiteral("abc"), QStringLiteral("2,5"));
    source.picture = QImage(); // no photo: the blank picture stands in

    // A stock that is not a number: told, and no preview.
    {
        TfrmAnteprimaMag options(ctx, &productScreen, &source);
        QCOMPARE(options.windowTitle(), QStringLiteral(" Anteprima di stampa"));
        QCOMPARE(options.findChild<QPushButton*>(QStringLiteral("btnStampa"))->text(),
                 QStringLiteral("Mostra anteprima"));
        QCOMPARE(options.findChild<QRadioButton*>(QStringLiteral("optUno"))->text(),
                 QStringLiteral("Anteprima dati con foto."));
        QCOMPARE(options.copiedPhoto().pixelColor(0, 0), QColor(Qt::white));
        bool previewShown = false;
        {
            const auto watch = test::watchModal([&](QWidget* w) {
                if (auto* preview = qobject_cast<PreviewDialog*>(w)) {
                    previewShown = true;
                    preview->reject();
                }
            });
            options.btnStampaClick();
            QCoreApplication::processEvents();
        }
        QVERIFY(!previewShown);
        QCOMPARE(platform.lastKind(), Kind::Warning);
        QVERIFY(platform.lastText().contains(QStringLiteral("\"Giacenza attuale\"")));
    }

    source.values[QStringLiteral("txtGiacenza")] = QStringLiteral("4");
    TfrmAnteprimaMag options(ctx, &productScreen, &source);
    qreal zoom = 0;
    test::whileModal([&] { options.btnStampaClick(); },
                     [&](QWidget* w) {
                         if (auto* preview = qobject_cast<PreviewDialog*>(w))
                             zoom = preview->zoomFactor();
                     });
    QCOMPARE(zoom, 1.0);
    QCOMPARE(platform.printDialogs, 0);
}

// The registry sheets through their own buttons: print through the print dialog, the
// preview at 100 %, and the PDF in the program directory.
void TestRecordSheets::registryButtons_data() {
    QTest::addColumn<bool>("customer");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("pdf");
    QTest::newRow("TfrmClienti") << true << QStringLiteral("txtCognome")
                                 << QStringLiteral("Cognome e nome: Rossi")
                                 << QStringLiteral("SCHEDA ANAGRAFICA CLIENTE")
                                 << QStringLiteral("Cliente.pdf");
    QTest::newRow("TfrmFornitori")
        << false << QStringLiteral("txtDitta") << QStringLiteral("Denominazione Ditta: Rossi")
        << QStringLiteral("SCHEDA ANAGRAFICA FORNITORE") << QStringLiteral("Fornitore.pdf");
}

void TestRecordSheets::registryButtons() {
    QFETCH(bool, customer);
    QFETCH(QString, field);
    QFETCH(QString, line);
    QFETCH(QString, title);
    QFETCH(QString, pdf);
    QTemporaryDir dir;
    test::FakePlatform platform(dir.path());
    AppContext ctx(platform);
    platform.printToPdf = dir.filePath(QStringLiteral("stampa.pdf"));
    std::unique_ptr<QWidget> screen;
    if (customer)
        screen = std::make_unique<TfrmClienti>(ctx);
    else
        screen = std::make_unique<TfrmFornitori>(ctx);
    setField(screen.get(), qPrintable(field), QStringLiteral("Rossi"));

    QVERIFY(clickButton(screen.get(), "cmdStampa"));
    QCOMPARE(platform.printDialogs, 1);
    const QString printed = pdfText(platform.printToPdf);
    QVERIFY(printed.contains(title));
    QVERIFY(hasPdfLine(printed, line));

    qreal zoom = 0;
    test::whenModal([&](QWidget* w) { zoom = closePreview(w); });
    QVERIFY(clickButton(screen.get(), "cmdAnteprima"));
    QCOMPARE(zoom, 1.0);
    QCOMPARE(platform.printDialogs, 1);

    platform.answers.enqueue(false);
    QVERIFY(clickButton(screen.get(), "cmdPDF"));
    QCOMPARE(platform.lastText(), kPdfQuestion);
    QVERIFY(platform.opened.isEmpty());
    const QString exported = pdfText(dir.filePath(pdf));
    QVERIFY(exported.contains(title));
    QVERIFY(hasPdfLine(exported, line));
}

// The product sheet through its own buttons and the option screens they open: "senza" prints
// the notes box and the total from the sheet as it is, "Mostra anteprima" shows the preview.
void TestRecordSheets::productButtons() {
    QTemporaryDir dir;
    test::FakePlatform platform(dir.path());
    AppContext ctx(platform);
    platform.printToPdf = dir.filePath(QStringLiteral("stampa.pdf"));
    TfrmMagazzino screen(ctx);
    ctx.registerScreen(&screen);
    setField(&screen, "txtCodice", QStringLiteral("VT-0042"));
    setField(&screen, "txtCosto", QStringLiteral("12,5"));
    setField(&screen, "txtGiacenza", QStringLiteral("3"));

    QString opened;
    test::whenModal([&](QWidget* w) {
        opened = w->objectName();
        w->findChild<QRadioButton*>(QStringLiteral("optDue"))->click();
        w->findChild<QPushButton*>(QStringLiteral("btnStampa"))->click();
    });
    QVERIFY(clickButton(&screen, "btnStampa"));
    QCOMPARE(opened, QStringLiteral("TfrmStampaMag"));
    QCOMPARE(platform.printDialogs, 1);
    const QString text = pdfText(platform.printToPdf);
    QVERIFY(text.contains(QStringLiteral("SCHEDA PRODOTTO")));
    QVERIFY(text.contains(QStringLiteral("SPAZIO PER APPUNTI:")));
    QVERIFY(
        hasPdfLine(text, QString::fromUtf8("Valore totale: Costo unitario (€ 12,5) x giacenza (3 "
                                           "pezzi) = € 37,5")));

    qreal zoom = 0;
    test::whenModal([&](QWidget* w) {
        opened = w->objectName();
        test::whenModal([&](QWidget* preview) { zoom = closePreview(preview); });
        w->findChild<QPushButton*>(QStringLiteral("btnStampa"))->click();
    });
    QVERIFY(clickButton(&screen, "btnAnteprima"));
    QCOMPARE(opened, QStringLiteral("TfrmAnteprimaMag"));
    QCOMPARE(zoom, 1.0);
    QCOMPARE(platform.printDialogs, 1);
}

QTEST_MAIN(TestRecordSheets)
#include "TestRecordSheets.moc"
