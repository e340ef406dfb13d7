#include "report/ListReport.h"
#include "report/PdfExport.h"
#include "report/PreviewDialog.h"
#include "report/ReportOutput.h"
#include "storage/KeptLines.h"
#include "storage/Win1252.h"
#include "support/FakePlatform.h"
#include "support/Modal.h"
#include "support/PdfText.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPageRanges>
#include <QPainter>
#include <QPdfWriter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace dp;
using namespace dp::report;
using test::hasPdfLine;
using test::pdfText;
using test::runTool;

namespace {

QStringList numberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("riga %1").arg(i, 4, 10, QLatin1Char('0'));
    return lines;
}

ListReportConfig listConfig(const QStringList& lines) {
    ListReportConfig request;
    request.title = QStringLiteral("Inventario merce - Categoria: Ferramenta");
    request.lines = lines;
    request.printDate = QDate(2024, 3, 5);
    return request;
}

// A summary line with padded columns, as the lists print them (about 150 characters).
QString movementLine(int i) {
    return QStringLiteral("Data: 05/03/2024  Cod. art. %1  Tipo: %2  Nome: %3  Quant. + %4"
                          "  Costo: € 12,50")
        .arg(QStringLiteral("XAB-%1").arg(i), -20)
        .arg(QStringLiteral("Ferramenta"), -20)
        .arg(QStringLiteral("Vite svasata àèìòù"), -30)
        .arg(i * 3, -10);
}

QStringList memoOf(const ReportPage& page) {
    for (const ReportItem& item : page.items)
        if (item.name == QLatin1String("txtRiepilogo"))
            return item.lines();
    return {};
}

QString textOf(const ReportPage& page, const char* name) {
    for (const ReportItem& item : page.items)
        if (item.name == QLatin1String(name))
            return item.text;
    return {};
}

// The body of a long list: numbered lines made when asked for, counting what was asked.
class CountedRows final : public TextRows {
  public:
    explicit CountedRows(qsizetype count) : m_count(count) {}
    qsizetype count() const override { return m_count; }
    void cell(qsizetype row, int, QByteArray& out) const override {
        ++asked;
        out.append("riga ");
        out.append(QByteArray::number(row + 1).rightJustified(7, '0'));
    }
    qsizetype maxLength(int) const override { return 12; }
    mutable qsizetype asked = 0;

  private:
    qsizetype m_count;
};

// The process's peak memory in kB, from the kernel's count (Linux); -1 where it cannot say.
qint64 peakKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}
// Starts the peak again from what the process holds now; -1 where that cannot be done.
qint64 resetPeakKb() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1)
        return -1;
    clear.close();
    return peakKb();
}

// The closing lines of a summary of a million movements.
const QStringList kClosing = {
    QStringLiteral("- - - - - - - - - - - - - - - -"),
    QStringLiteral("INTERVALLO SELEZIONATO:    Dal   01/01/2024   al   31/12/2024"),
    QStringLiteral("TOTALE MOVIMENTI:  1000000")};

QStringList memoLines(const ReportDocument& doc) {
    QStringList out;
    for (int p = 0; p < doc.pageCount(); ++p)
        for (const ReportItem& item : doc.page(p).items)
            if (item.name == QLatin1String("txtRiepilogo"))
                out += item.lines();
    return out;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { dp::test::failOnQtWarnings(); }
    void memoHeightSetsLinesPerPage();
    void pagination_data();
    void pagination();
    void footerDate_data();
    void footerDate();
    void bandsDoNotOverlap();
    void wideLinesKeepEveryCharacter_data();
    void wideLinesKeepEveryCharacter();
    void lineBreakInsideALineStaysOnIt();
    void pdfCarriesTextsAndInfo();
    void onlyChosenPagesArePrinted();
    void printThroughDialog_data();
    void printThroughDialog();
    void previewPrintsThroughTheSameDialog();
    void longListIsLaidOutPageByPage();
    void pagedListEqualsThePreparedOne_data();
    void pagedListEqualsThePreparedOne();
    void previewOfAMillionLinesDrawsOnlyWhatIsInSight();
    void previewAtHighZoomDrawsOnlyWhatIsInSight();
    void longPrintShowsProgressAndCanBeCancelled();
    void fixedSheetObjectsByName();
};

void TestReport::memoHeightSetsLinesPerPage() {
    // 190 mm of printable height less two 8 mm bands, at 12.822/96 inch a line.
    ListReportConfig request = listConfig({});
    QCOMPARE(listLinesPerPage(request), 51);
    request.memoLineHeight96 = 25.644;
    QCOMPARE(listLinesPerPage(request), 25);
    // A height below the font's own line spacing would overlap the lines: 174 mm at the
    // 3.2 mm line of 8-point "Courier New".
    request.memoLineHeight96 = 2;
    QCOMPARE(listLinesPerPage(request), 54);
}

void TestReport::pagination_data() {
    QTest::addColumn<int>("fullPages");
    QTest::addColumn<int>("extra");
    QTest::addColumn<int>("pages");

    QTest::newRow("empty list") << 0 << 0 << 1;
    QTest::newRow("one line") << 0 << 1 << 1;
    QTest::newRow("one page exactly") << 1 << 0 << 1;
    QTest::newRow("one line over") << 1 << 1 << 2;
    QTest::newRow("two pages exactly") << 2 << 0 << 2;
    QTest::newRow("three pages") << 2 << 7 << 3;
}

void TestReport::pagination() {
    QFETCH(int, fullPages);
    QFETCH(int, extra);
    QFETCH(int, pages);

    const int perPage = listLinesPerPage(listConfig({}));
    const QStringList lines = numberedLines(fullPages * perPage + extra);
    const ListReportConfig request = listConfig(lines);
    const ReportDocument doc = prepareList(request);

    QCOMPARE(doc.pageCount(), pages);
    QCOMPARE(memoLines(doc), lines); // every line once, in order
    for (int p = 0; p < doc.pageCount(); ++p) {
        const QStringList texts = doc.pageTexts(p);
        QCOMPARE(texts.first(), request.title);
        QCOMPARE(texts.at(texts.size() - 2), QStringLiteral("Stampa eseguita in data 05/03/2024"));
        QCOMPARE(texts.last(), QStringLiteral("Pagina %1 di %2").arg(p + 1).arg(pages));
        const int onPage = texts.size() - 3;
        QVERIFY(onPage <= perPage);
        if (p < doc.pageCount() - 1)
            QCOMPARE(onPage, perPage); // only the last page is short
    }
}

void TestReport::footerDate_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("footer");
    QTest::addColumn<QString>("expected");

    const QString standard = ListReportConfig().footer;
    QTest::newRow("day and month padded")
        << QDate(2024, 3, 5) << standard << QStringLiteral("Stampa eseguita in data 05/03/2024");
    QTest::newRow("year end") << QDate(1999, 12, 31) << standard
                              << QStringLiteral("Stampa eseguita in data 31/12/1999");
    QTest::newRow("no date given: today")
        << QDate() << standard
        << QStringLiteral("Stampa eseguita in data ") +
               QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    QTest::newRow("every placeholder") << QDate(2024, 2, 29) << QStringLiteral("[DATE] e [DATE]")
                                       << QStringLiteral("29/02/2024 e 29/02/2024");
}

void TestReport::footerDate() {
    QFETCH(QDate, date);
    QFETCH(QString, footer);
    QFETCH(QString, expected);

    ListReportConfig request = listConfig({QStringLiteral("x")});
    request.printDate = date;
    request.footer = footer;
    ReportDocument doc = prepareList(request);
    QVERIFY(doc.findText(QStringLiteral("txtPagina")));
    QCOMPARE(doc.findText(QStringLiteral("txtPagina"))->text, expected);
}

void TestReport::bandsDoNotOverlap() {
    const ListReportConfig request = listConfig(numberedLines(80));
    const ReportDocument doc = prepareList(request);

    QCOMPARE(doc.pageLayout().orientation(), QPageLayout::Landscape);
    QCOMPARE(doc.pageLayout().pageSize().id(), QPageSize::A4);
    QCOMPARE(doc.contentSize(), QSizeF(277, 190));
    const QRectF content(QPointF(0, 0), doc.contentSize());
    const qreal pitch = unitsToMm(12.822);

    for (int p = 0; p < doc.pageCount(); ++p) {
        QRectF title, memo, footer;
        for (const ReportItem& item : doc.page(p).items) {
            QVERIFY2(content.contains(item.rect), qPrintable(item.name));
            if (item.name == QLatin1String("txtTitolo"))
                title = item.rect;
            else if (item.name == QLatin1String("txtRiepilogo")) {
                memo = item.rect;
                QCOMPARE(item.linePitch, pitch);
                QCOMPARE(memo.height(), item.lines().size() * pitch);
                QVERIFY(lineSpacingMm(item.font) <= pitch);
                QCOMPARE(item.font.family(), QStringLiteral("Courier New"));
            } else if (item.name == QLatin1String("txtPagina"))
                footer = item.rect;
        }
        QVERIFY(!title.isNull() && !memo.isNull() && !footer.isNull());
        QVERIFY(title.bottom() <= memo.top());
        QVERIFY(memo.bottom() <= footer.top());
    }
}

void TestReport::wideLinesKeepEveryCharacter_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("smallerFont");
    QTest::addColumn<int>("memoLines");

    QTest::newRow("summary line fits as given") << 155 << false << 1;
    QTest::newRow("wider line: smaller font, one line") << 200 << true << 1;
    QTest::newRow("far too wide: continues below") << 600 << true << 3;
}

void TestReport::wideLinesKeepEveryCharacter() {
    QFETCH(int, length);
    QFETCH(bool, smallerFont);
    QFETCH(int, memoLines);

    QString wide;
    for (int i = 0; wide.size() < length; ++i)
        wide += QString::number(i % 10);
    const QStringList lines{QStringLiteral("prima"), wide, QStringLiteral("ultima")};
    const ReportDocument doc = prepareList(listConfig(lines));
    const ReportItem* memo = doc.find(QStringLiteral("txtRiepilogo"));
    QVERIFY(memo);

    QCOMPARE(memo->font.pointSizeF() < 8, smallerFont);
    QVERIFY(memo->font.pointSizeF() >= 6);
    const QStringList printed = memo->lines();
    QCOMPARE(printed.size(), memoLines + 2);
    QCOMPARE(printed.mid(1, memoLines).join(QString()), wide);
    for (const QString& line : printed)
        QVERIFY(textWidthMm(memo->font, line) <= memo->rect.width() - 2 * memo->padding);
}

void TestReport::lineBreakInsideALineStaysOnIt() {
    const ReportDocument doc =
        prepareList(listConfig({QStringLiteral("nota: prima\r\nseconda"), QStringLiteral("fine")}));
    QCOMPARE(memoLines(doc),
             QStringList({QStringLiteral("nota: prima  seconda"), QStringLiteral("fine")}));
}

void TestReport::pdfCarriesTextsAndInfo() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lista.pdf"));
    QStringList lines;
    for (int i = 1; i <= 60; ++i)
        lines << movementLine(i);
    lines << QStringLiteral("- - - - - - - - - - - - - - - -")
          << QStringLiteral("TOTALE MOVIMENTI:  60");
    const ReportDocument doc = prepareList(listConfig(lines));

    QVERIFY(writePdf(doc, path,
                     {QStringLiteral("Riepilogo dati"), QStringLiteral("Ufficio magazzino"),
                      QStringLiteral("Scheda informativa"), QStringLiteral("Depotta")}));

    const QString info = runTool(QStringLiteral("pdfinfo"), {path});
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Title: +Riepilogo dati\n"))));
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Author: +Ufficio magazzino\n"))));
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Subject: +Scheda informativa\n"))));
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Creator: +Depotta\n"))));
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages: +2\n"))));
    QVERIFY(
        info.contains(QRegularExpression(QStringLiteral("Page size: +842 x 595 pts \\(A4\\)"))));

    const QString first = pdfText(path, 1);
    const QString second = pdfText(path, 2);
    QVERIFY(first.contains(QStringLiteral("Inventario merce - Categoria: Ferramenta")));
    QVERIFY(hasPdfLine(first, movementLine(1)));
    QVERIFY(hasPdfLine(first, movementLine(51)));
    QVERIFY(!hasPdfLine(first, movementLine(52)));
    QVERIFY(hasPdfLine(second, movementLine(52)));
    // "Courier New" keeps the padded columns under each other.
    QSet<qsizetype> costColumn;
    for (const QString& got : first.split(QLatin1Char('\n')))
        if (got.contains(QStringLiteral("Costo:")))
            costColumn.insert(got.indexOf(QStringLiteral("Costo:")));
    QCOMPARE(costColumn.size(), 1);
    QVERIFY(hasPdfLine(second, QStringLiteral("TOTALE MOVIMENTI:  60")));
    for (const QString& page : {first, second})
        QVERIFY(page.contains(QStringLiteral("Stampa eseguita in data 05/03/2024")));
    QVERIFY(first.contains(QStringLiteral("Pagina 1 di 2")));
    QVERIFY(second.contains(QStringLiteral("Pagina 2 di 2")));

    // Written again, the file is replaced, not appended to.
    QVERIFY(writePdf(prepareList(listConfig({QStringLiteral("sola riga")})), path, {}));
    QVERIFY(!pdfText(path).contains(QStringLiteral("XAB-1")));
    QVERIFY(pdfText(path).contains(QStringLiteral("sola riga")));
    QVERIFY(!writePdf(doc, dir.filePath(QStringLiteral("manca/lista.pdf")), {}));
}

void TestReport::onlyChosenPagesArePrinted() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pagine.pdf"));
    const ListReportConfig request =
        listConfig(numberedLines(2 * listLinesPerPage(listConfig({})) + 1));
    {
        QPdfWriter writer(path);
        QPageRanges ranges;
        ranges.addPage(2);
        writer.setPageRanges(ranges);
        QVERIFY(paint(prepareList(request), writer));
    }
    QVERIFY(runTool(QStringLiteral("pdfinfo"), {path})
                .contains(QRegularExpression(QStringLiteral("Pages: +1\n"))));
    const QString text = pdfText(path);
    QVERIFY(text.contains(QStringLiteral("Pagina 2 di 3")));
    QVERIFY(!text.contains(QStringLiteral("riga 0001")));
}

void TestReport::printThroughDialog_data() {
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("printed");
    QTest::addColumn<int>("notices");

    QTest::newRow("printed") << true << QStringLiteral("stampa.pdf") << true << 0;
    QTest::newRow("cancelled") << false << QStringLiteral("stampa.pdf") << false << 0;
    QTest::newRow("printer unusable") << true << QStringLiteral("manca/stampa.pdf") << false << 1;
}

void TestReport::printThroughDialog() {
    QFETCH(bool, answer);
    QFETCH(QString, file);
    QFETCH(bool, printed);
    QFETCH(int, notices);

    QTemporaryDir dir;
    test::FakePlatform platform(dir.path());
    AppContext ctx(platform);
    platform.printToPdf = dir.filePath(file);
    platform.printAnswer = answer;

    const ReportDocument doc = prepareList(listConfig({movementLine(1), movementLine(2)}));
    if (answer && !printed) // Qt says so when the printer cannot be drawn on
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QCOMPARE(printWithDialog(ctx, nullptr, doc), printed);
    QCOMPARE(platform.printDialogs, 1);
    QCOMPARE(platform.shown.size(), notices);
    if (notices)
        QCOMPARE(platform.lastKind(), test::FakePlatform::Kind::Error);
    QCOMPARE(QFile::exists(platform.printToPdf), printed);
    if (printed) {
        const QString text = pdfText(platform.printToPdf);
        QVERIFY(hasPdfLine(text, movementLine(2)));
        QVERIFY(text.contains(QStringLiteral("Stampa eseguita in data 05/03/2024")));
        QVERIFY(runTool(QStringLiteral("pdfinfo"), {platform.printToPdf})
                    .contains(QStringLiteral("842 x 595 pts (A4)")));
    }
}

void TestReport::previewPrintsThroughTheSameDialog() {
    QTemporaryDir dir;
    test::FakePlatform platform(dir.path());
    AppContext ctx(platform);
    platform.printToPdf = dir.filePath(QStringLiteral("anteprima.pdf"));
    const ReportDocument doc = prepareList(listConfig({movementLine(7)}));

    qreal zoom = 0;
    QStringList visibleActions;
    bool sawPreview = false;
    test::whileModal([&] { showPreview(ctx, nullptr, doc); },
                     [&](QWidget* modal) {
                         auto* dialog = qobject_cast<PreviewDialog*>(modal);
                         QVERIFY(dialog);
                         sawPreview = true;
                         zoom = dialog->zoomFactor();
                         QAction* print = nullptr;
                         for (QAction* action : dialog->findChildren<QAction*>()) {
                             if (action->isVisible() && !action->objectName().isEmpty())
                                 visibleActions << action->objectName();
                             if (action->objectName() == QLatin1String("printAction"))
                                 print = action;
                         }
                         if (print)
                             print->trigger();
                     });

    QVERIFY(sawPreview);
    QCOMPARE(zoom, 1.0);
    QVERIFY(visibleActions.contains(QStringLiteral("printAction")));
    QVERIFY(visibleActions.contains(QStringLiteral("zoomInAction")));
    QVERIFY(visibleActions.contains(QStringLiteral("fullScreenAction")));
    QVERIFY(!visibleActions.contains(QStringLiteral("pageSetupAction")));
    QVERIFY(!visibleActions.contains(QStringLiteral("landscapeAction")));
    QCOMPARE(platform.printDialogs, 1);
    QVERIFY(hasPdfLine(pdfText(platform.printToPdf), movementLine(7)));
}

void TestReport::longListIsLaidOutPageByPage() {
    // A million movements and the three closing lines: 1,000,003 memo lines, 51 a page.
    auto body = std::make_shared<CountedRows>(1000000);
    const ListReport list(listConfig(kClosing), body);
    QCOMPARE(list.pageCount(), 19608);
    QCOMPARE(body->asked, 0); // the font came from the longest line the body declares

    const ReportPage first = list.layoutPage(0);
    QCOMPARE(memoOf(first).size(), 51);
    QCOMPARE(memoOf(first).first(), QStringLiteral("riga 0000001"));
    QCOMPARE(memoOf(first).last(), QStringLiteral("riga 0000051"));
    QCOMPARE(textOf(first, "txtTitolo"),
             QStringLiteral("Inventario merce - Categoria: Ferramenta"));
    QCOMPARE(textOf(first, "txtNumeroPagina"), QStringLiteral("Pagina 1 di 19608"));
    QCOMPARE(body->asked, 51);

    const ReportPage last = list.layoutPage(19607);
    const QStringList memo = memoOf(last);
    QCOMPARE(memo.size(), 46);
    QCOMPARE(memo.first(), QStringLiteral("riga 0999958"));
    QCOMPARE(memo.at(42), QStringLiteral("riga 1000000"));
    QCOMPARE(memo.mid(43), kClosing);
    QCOMPARE(textOf(last, "txtNumeroPagina"), QStringLiteral("Pagina 19608 di 19608"));
    QCOMPARE(textOf(last, "txtPagina"), QStringLiteral("Stampa eseguita in data 05/03/2024"));
}

void TestReport::pagedListEqualsThePreparedOne_data() {
    QTest::addColumn<int>("wideLength"); // of one line among ordinary ones; 0: none
    QTest::newRow("ordinary lines") << 0;
    QTest::newRow("one wider line: smaller font") << 200;
    QTest::newRow("one far too wide: continues below") << 600;
}

void TestReport::pagedListEqualsThePreparedOne() {
    QFETCH(int, wideLength);
    QStringList lines;
    for (int i = 1; i <= 130; ++i)
        lines << movementLine(i);
    if (wideLength)
        lines[70] = QString(wideLength, QLatin1Char('W'));
    auto body = std::make_shared<KeptLines>();
    for (const QString& l : lines)
        body->append(win1252::encode(l));

    const ReportDocument whole = prepareList(listConfig(lines + kClosing));
    const ListReport paged(listConfig(kClosing), body);
    QCOMPARE(paged.pageCount(), whole.pageCount());
    for (int p = 0; p < whole.pageCount(); ++p) {
        const ReportPage page = paged.layoutPage(p);
        QCOMPARE(memoOf(page), memoOf(whole.page(p)));
        QCOMPARE(page.items.size(), whole.page(p).items.size());
        for (int i = 0; i < page.items.size(); ++i) {
            QCOMPARE(page.items[i].text, whole.page(p).items[i].text);
            QCOMPARE(page.items[i].rect, whole.page(p).items[i].rect);
            QCOMPARE(page.items[i].font.pointSizeF(), whole.page(p).items[i].font.pointSizeF());
        }
    }
}

void TestReport::previewOfAMillionLinesDrawsOnlyWhatIsInSight() {
    QTemporaryDir dir;
    test::FakePlatform platform(dir.path());
    AppContext ctx(platform);
    auto body = std::make_shared<CountedRows>(1000000);
    const ListReport list(listConfig(kClosing), body);

    int pages = 0, atStart = -1, atEnd = -1;
    qreal zoom = 0;
    qsizetype askedForFirst = 0, askedForLast = 0;
    QString shownPage, pagesLabel;
    test::whileModal([&] { showPreview(ctx, nullptr, list); },
                     [&](QWidget* modal) {
                         auto* dialog = qobject_cast<PreviewDialog*>(modal);
                         QVERIFY(dialog);
                         dialog->grab(); // draws what is in sight
                         pages = dialog->pageCount();
                         atStart = dialog->currentPage();
                         zoom = dialog->zoomFactor();
                         askedForFirst = body->asked;
                         if (auto* box = dialog->findChild<QSpinBox*>(QStringLiteral("txtPagina")))
                             shownPage = box->text();
                         if (auto* label = dialog->findChild<QLabel*>(QStringLiteral("lblPagine")))
                             pagesLabel = label->text().trimmed();
                         body->asked = 0;
                         if (auto* last =
                                 dialog->findChild<QAction*>(QStringLiteral("lastPageAction")))
                             last->trigger();
                         dialog->grab();
                         atEnd = dialog->currentPage();
                         askedForLast = body->asked;
                     });

    QCOMPARE(pages, 19608);
    QCOMPARE(atStart, 0);
    QCOMPARE(zoom, 1.0);
    QCOMPARE(shownPage, QStringLiteral("1"));
    QCOMPARE(pagesLabel, QStringLiteral("di 19608"));
    // The first page is drawn, and nothing far beyond what the window shows.
    QVERIFY2(askedForFirst >= 51 && askedForFirst <= 3 * 51,
             qPrintable(QString::number(askedForFirst)));
    QCOMPARE(atEnd, 19607);
    QVERIFY2(askedForLast > 0 && askedForLast <= 3 * 51, qPrintable(QString::number(askedForLast)));
}

// At a high zoom the preview draws the part of a page in sight, not the whole page (at 400 %
// some 57 MB here, four times that on a high-density screen), and that part is the page as
// drawn whole.
void TestReport::previewAtHighZoomDrawsOnlyWhatIsInSight() {
    QTemporaryDir dir;
    test::FakePlatform platform(dir.path());
    AppContext ctx(platform);
    const ListReport list(listConfig({}), std::make_shared<CountedRows>(200));
    QImage shown;
    QPoint pageAt;
    qreal dpi = 0;
    qint64 risePeakKb = -1;
    test::whileModal([&] { showPreview(ctx, nullptr, list); },
                     [&](QWidget* modal) {
                         auto* dialog = qobject_cast<PreviewDialog*>(modal);
                         QVERIFY(dialog);
                         dialog->setZoomFactor(4.0);
                         auto* pages =
                             dialog->findChild<QAbstractScrollArea*>(QStringLiteral("pnlPagine"));
                         QVERIFY(pages);
                         pages->horizontalScrollBar()->setValue(700);
                         pages->verticalScrollBar()->setValue(300);
                         dpi = 4.0 * pages->logicalDpiX();
                         // Where the page's corner is in the view: 16 pixels of ground.
                         pageAt = QPoint(16 - 700, 16 - 300);
                         const qint64 before = resetPeakKb();
                         shown = pages->viewport()->grab().toImage();
                         if (before >= 0)
                             risePeakKb = peakKb() - before;
                     });
    QVERIFY(!shown.isNull());
    if (risePeakKb >= 0)
        QVERIFY2(risePeakKb < 30 * 1024,
                 qPrintable(QStringLiteral("peak rose by %1 MB").arg(risePeakKb / 1024)));

    const QSizeF mm = list.pageLayout().fullRect(QPageLayout::Millimeter).size();
    QImage whole(QSize(int(std::lround(mm.width() * dpi / 25.4)),
                       int(std::lround(mm.height() * dpi / 25.4))),
                 QImage::Format_RGB32);
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));
    whole.setDotsPerMeterX(dotsPerMeter);
    whole.setDotsPerMeterY(dotsPerMeter);
    whole.fill(Qt::white);
    {
        QPainter painter(&whole);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        paintPage(list.layoutPage(0), list.pageLayout(), painter, dpi);
    }
    const QImage expected = whole.copy(QRect(-pageAt, shown.size()));
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), expected);
}

void TestReport::longPrintShowsProgressAndCanBeCancelled() {
    QTemporaryDir dir;
    test::FakePlatform platform(dir.path());
    AppContext ctx(platform);
    platform.printToPdf = dir.filePath(QStringLiteral("lunga.pdf"));
    auto body = std::make_shared<CountedRows>(40 * 51);
    const ListReport list(listConfig({}), body);

    QString title, cancelText;
    QStringList labels;
    {
        const auto watch = test::watchModal([&](QWidget* w) {
            auto* progress = qobject_cast<QProgressDialog*>(w);
            if (!progress || !progress->isVisible())
                return;
            title = progress->windowTitle();
            if (auto* button = progress->findChild<QPushButton*>())
                cancelText = button->text();
            if (labels.isEmpty() || labels.last() != progress->labelText())
                labels << progress->labelText();
            if (labels.last() == QStringLiteral("Stampa in corso: pagina 3 di 40."))
                progress->cancel();
        });
        QVERIFY(!printWithDialog(ctx, nullptr, list));
    }

    QCOMPARE(title, QStringLiteral(" Stampa in corso"));
    QCOMPARE(cancelText, QStringLiteral("Annulla"));
    QVERIFY2(labels.contains(QStringLiteral("Stampa in corso: pagina 2 di 40.")),
             qPrintable(labels.join(QLatin1Char('|'))));
    QVERIFY(body->asked < 40 * 51);               // the rest was never laid out
    QVERIFY(platform.shown.isEmpty());            // cancelling is not a failure
    QVERIFY(!QFile::exists(platform.printToPdf)); // nor does it leave half a file
}

void TestReport::fixedSheetObjectsByName() {
    // A one-page portrait sheet: named objects at fixed places, filled after it is built.
    ReportDocument sheet(QPageLayout::Portrait);
    sheet.setName(QStringLiteral("Scheda informativa"));
    ReportPage& page = sheet.addPage();
    ReportItem title;
    title.name = QStringLiteral("txtTitolo");
    title.rect = QRectF(23, 3, 165, 9);
    title.font = QFont(QStringLiteral("Arial"), 16);
    title.alignment = Qt::AlignCenter;
    page.items << title;
    ReportItem value;
    value.name = QStringLiteral("txtCampo01");
    value.rect = QRectF(60, 24, 128, 6);
    value.font = QFont(QStringLiteral("Arial"), 10);
    page.items << value;
    ReportItem photo;
    photo.kind = ReportItem::Kind::Picture;
    photo.name = QStringLiteral("imgFoto");
    photo.rect = QRectF(4, 40, 183, 79);
    page.items << photo;
    ReportItem line;
    line.kind = ReportItem::Kind::Line;
    line.rect = QRectF(23, 16, 165, 0);
    page.items << line;

    QVERIFY(!sheet.findText(QStringLiteral("imgFoto")));
    QVERIFY(!sheet.findPicture(QStringLiteral("txtTitolo")));
    QVERIFY(!sheet.find(QStringLiteral("txtCampo24")));
    QVERIFY(!sheet.find(QString())); // unnamed decorations are not found
    sheet.findText(QStringLiteral("txtTitolo"))->text = QStringLiteral("SCHEDA PRODOTTO");
    sheet.findText(QStringLiteral("txtCampo01"))->text = QStringLiteral("Vite svasata àèì");
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    sheet.findPicture(QStringLiteral("imgFoto"))->picture = red;
    QCOMPARE(sheet.pageTexts(0),
             QStringList({QStringLiteral("SCHEDA PRODOTTO"), QStringLiteral("Vite svasata àèì")}));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Cliente.pdf"));
    QVERIFY(writePdf(sheet, path, {}));
    QVERIFY(runTool(QStringLiteral("pdfinfo"), {path})
                .contains(QRegularExpression(QStringLiteral("Title: +Scheda informativa\n"))));
    QVERIFY(
        runTool(QStringLiteral("pdfinfo"), {path}).contains(QStringLiteral("595 x 842 pts (A4)")));
    const QString text = pdfText(path);
    QVERIFY(text.contains(QStringLiteral("SCHEDA PRODOTTO")));
    QVERIFY(text.contains(QStringLiteral("Vite svasata àèì")));

    // The picture keeps its 2:1 proportions, centred in its 183 x 79 mm box: red at the
    // box's centre, paper white at its left edge beyond the picture's 158 mm width.
    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("25.4"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), path, dir.filePath(QStringLiteral("pagina"))});
    const QImage rendered(dir.filePath(QStringLiteral("pagina.png")));
    QCOMPARE(rendered.width(), 210); // one pixel a millimetre
    QVERIFY(qAbs(rendered.height() - 297) <= 1);
    const auto at = [&](qreal x, qreal y) { return rendered.pixelColor(int(10 + x), int(10 + y)); };
    const QColor centre = at(4 + 183 / 2.0, 40 + 79 / 2.0);
    QVERIFY(centre.red() > 240 && centre.green() < 16 && centre.blue() < 16);
    QVERIFY(at(6, 40 + 79 / 2.0).lightness() > 240);
}

QTEST_MAIN(TestReport)
#include "TestReport.moc"
