#include "storage/Layouts.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "summaries/MovementSelection.h"
#include "summaries/MovementSummaryList.h"
#include "summaries/TfrmMenuRiepilogo.h"
#include "summaries/TfrmRiepilogo.h"
#include "support/FakePlatform.h"
#include "support/LockHolder.h"
#include "support/Modal.h"
#include "support/PdfText.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"
#include "ui/LineListModel.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

using namespace dp;
using namespace dp::summaries;
using dp::test::FakePlatform;

namespace {

void addMovement(const QString& path, const QString& data, const QString& codice,
                 const QString& nome = QStringLiteral("Barolo")) {
    RecordFile f(path, TMovimento);
    Record r(TMovimento);
    r.setText(Movimento::Data, data);
    r.setText(Movimento::Codice, codice);
    r.setText(Movimento::Categoria, u"Vini");
    r.setText(Movimento::Nome, nome);
    r.setText(Movimento::Importo, u"12,50");
    r.setText(Movimento::Aggiunta, u"5");
    f.append(r);
}

void addProduct(const QString& path, const QString& codice, const QString& tipologia,
                const QString& giacenza, const QString& costo) {
    RecordFile f(path, TSchedaProdotto);
    Record r(TSchedaProdotto);
    r.setText(Prodotto::Codice, codice);
    r.setText(Prodotto::Nome, QStringLiteral("Prodotto ") + codice);
    r.setText(Prodotto::Tipologia, tipologia);
    r.setText(Prodotto::Giacenza, giacenza);
    r.setText(Prodotto::Costo, costo);
    f.append(r);
}

template <class T> T* child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

QString label(QWidget* w, const char* name) {
    return child<QLabel>(w, name)->text();
}

void pick(QWidget* w, const char* box, const QString& text) {
    auto* b = child<QComboBox>(w, box);
    b->setCurrentIndex(b->findText(text));
}

} // namespace

class TestSummaryScreens : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();

    void selectionResetsOnShow();
    void yearTakesDigitsAndFillsBothDates();
    void dayAndMonthAreOnlyPicked();
    void failedCheckReportsAndFocuses();
    void selectionOpensTheListOfItsJournal_data();
    void selectionOpensTheListOfItsJournal();
    void enterAloneWalksToTheListAndFinds_data();
    void enterAloneWalksToTheListAndFinds();
    void listStopsAtAnUnreadableDate();
    void listPrinting();
    void listOfABusyJournalIsNotPrinted();
    void controlBytesInAWarningAreShownReadably_data();
    void controlBytesInAWarningAreShownReadably();

    void inventoryFromTheSelection();
    void inventoryEmptyArchive();
    void inventoryStopsAtAnUnreadableNumber();
    void archiveThatCannotBeOpenedIsReported();

  private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakePlatform> m_fake;
    std::unique_ptr<AppContext> m_ctx;
};

void TestSummaryScreens::init() {
    dp::test::failOnQtWarnings();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_fake = std::make_unique<FakePlatform>(m_dir->path());
    m_fake->clock = QDateTime(QDate(2024, 3, 5), QTime(9, 30));
    m_ctx = std::make_unique<AppContext>(*m_fake);
}

void TestSummaryScreens::selectionResetsOnShow() {
    MovementSelection s(*m_ctx, kUnloadSummary);
    QCOMPARE(s.objectName(), QStringLiteral("TfrmMenuRiepilogoScarico"));
    QCOMPARE(s.windowTitle(), QStringLiteral(" Depotta - Riepilogo movimenti di scarico merce"));
    QVERIFY(label(&s, "lblCampo02").contains(QStringLiteral("movimenti di scarico riguardanti")));
    s.show();
    child<QLineEdit>(&s, "txtTipologia")->setText(QStringLiteral("AB"));
    child<QLineEdit>(&s, "txtAnno")->setText(QStringLiteral("1999"));
    pick(&s, "txtGiornoInizio", QStringLiteral("03"));
    pick(&s, "txtMeseFine", QStringLiteral("Marzo"));
    s.hide();
    m_fake->clock = QDateTime(QDate(2025, 1, 2), QTime(8, 0));
    s.show();
    for (const char* box : {"txtGiornoInizio", "txtMeseInizio", "txtGiornoFine", "txtMeseFine"}) {
        QCOMPARE(child<QComboBox>(&s, box)->currentIndex(), -1);
        QCOMPARE(child<QComboBox>(&s, box)->currentText(), QString());
    }
    QCOMPARE(child<QComboBox>(&s, "txtMeseInizio")->count(), 12);
    QCOMPARE(child<QComboBox>(&s, "txtGiornoFine")->count(), 31);
    QCOMPARE(child<QLineEdit>(&s, "txtTipologia")->text(), QString());
    QCOMPARE(child<QLineEdit>(&s, "txtAnno")->text(), QStringLiteral("2025"));
    QCOMPARE(label(&s, "lblAnnoInizio"), QStringLiteral("2025"));
    QCOMPARE(label(&s, "lblAnnoFine"), QStringLiteral("2025"));
}

void TestSummaryScreens::yearTakesDigitsAndFillsBothDates() {
    MovementSelection s(*m_ctx, kLoadSummary);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    auto* anno = child<QLineEdit>(&s, "txtAnno");
    anno->setFocus();
    anno->selectAll();
    QTest::keyClick(anno, Qt::Key_Delete);
    QTest::keyClicks(anno, QStringLiteral("2x0 2,36"));
    QCOMPARE(anno->text(), QStringLiteral("2023"));
    QCOMPARE(label(&s, "lblAnnoInizio"), QStringLiteral("2023"));
    QCOMPARE(label(&s, "lblAnnoFine"), QStringLiteral("2023"));
    QTest::keyClick(anno, Qt::Key_Return);
    QVERIFY(child<QLineEdit>(&s, "txtTipologia")->hasFocus());

    // The year typed is the year of both dates.
    pick(&s, "txtGiornoInizio", QStringLiteral("29"));
    pick(&s, "txtMeseInizio", QStringLiteral("Febbraio"));
    pick(&s, "txtGiornoFine", QStringLiteral("01"));
    pick(&s, "txtMeseFine", QStringLiteral("Marzo"));
    QTest::mouseClick(child<QPushButton>(&s, "btnVisualizza"), Qt::LeftButton);
    QCOMPARE(m_fake->lastKind(), FakePlatform::Kind::Message);
    QVERIFY(
        m_fake->lastText().startsWith(QStringLiteral("Attenzione: la data 29/02/2023 di inizio")));
    QCOMPARE(label(&s, "lblDataInizio"), QStringLiteral("29/02/2023"));
    QCOMPARE(label(&s, "lblDataFine"), QString());
    QVERIFY(child<QComboBox>(&s, "txtGiornoInizio")->hasFocus());
    QVERIFY(!child<QLabel>(&s, "lblAttendere")->isVisible());
}

void TestSummaryScreens::dayAndMonthAreOnlyPicked() {
    MovementSelection s(*m_ctx, kLoadSummary);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    auto* day = child<QComboBox>(&s, "txtGiornoInizio");
    day->setFocus();
    QVERIFY(child<QWidget>(&s, "effGiornoInizio")->isVisible());
    QTest::keyClicks(day, QStringLiteral("1"));
    QTest::keyClick(day, Qt::Key_Down);
    QCOMPARE(day->currentIndex(), -1);
    QTest::keyClick(day, Qt::Key_Return);
    QVERIFY(child<QComboBox>(&s, "txtMeseInizio")->hasFocus());
    QVERIFY(!child<QWidget>(&s, "effGiornoInizio")->isVisible());
    QTest::keyClick(child<QComboBox>(&s, "txtMeseInizio"), Qt::Key_Return);
    QTest::keyClick(child<QComboBox>(&s, "txtGiornoFine"), Qt::Key_Return);
    QTest::keyClick(child<QComboBox>(&s, "txtMeseFine"), Qt::Key_Return);
    QVERIFY(child<QPushButton>(&s, "btnVisualizza")->hasFocus());
}

void TestSummaryScreens::failedCheckReportsAndFocuses() {
    MovementSelection s(*m_ctx, kLoadSummary);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    child<QLineEdit>(&s, "txtAnno")->setText(QStringLiteral("202"));
    QTest::mouseClick(child<QPushButton>(&s, "btnVisualizza"), Qt::LeftButton);
    QCOMPARE(m_fake->shown.size(), 1);
    QCOMPARE(m_fake->lastKind(), FakePlatform::Kind::Warning);
    QCOMPARE(m_fake->lastText(),
             QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
    QVERIFY(child<QLineEdit>(&s, "txtAnno")->hasFocus());
    QVERIFY(!child<QLabel>(&s, "lblAttendere")->isVisible());

    child<QLineEdit>(&s, "txtAnno")->setText(QStringLiteral("2024"));
    pick(&s, "txtGiornoInizio", QStringLiteral("15"));
    pick(&s, "txtMeseInizio", QStringLiteral("Marzo"));
    pick(&s, "txtGiornoFine", QStringLiteral("14"));
    pick(&s, "txtMeseFine", QStringLiteral("Marzo"));
    child<QLineEdit>(&s, "txtTipologia")->setFocus();
    QTest::mouseClick(child<QPushButton>(&s, "btnVisualizza"), Qt::LeftButton);
    QCOMPARE(m_fake->lastKind(), FakePlatform::Kind::Message);
    QVERIFY(m_fake->lastText().contains(QStringLiteral("(14/03/2024) non può essere anteriore")));
    QCOMPARE(label(&s, "lblDataInizio"), QStringLiteral("15/03/2024"));
    QCOMPARE(label(&s, "lblDataFine"), QStringLiteral("14/03/2024"));
    QVERIFY(!child<QLabel>(&s, "lblAttendere")->isVisible());
    QVERIFY(!QFile::exists(path(QStringLiteral("Operazioni_Carico.pro")))); // no list was opened
}

void TestSummaryScreens::selectionOpensTheListOfItsJournal_data() {
    QTest::addColumn<bool>("load");
    QTest::newRow("load") << true;
    QTest::newRow("unload") << false;
}

void TestSummaryScreens::selectionOpensTheListOfItsJournal() {
    QFETCH(bool, load);
    const MovementSummaryConfig& kind = load ? kLoadSummary : kUnloadSummary;
    const QString journal = path(load ? QStringLiteral("Operazioni_Carico.pro")
                                      : QStringLiteral("Operazioni_Scarico.pro"));
    const QString other = path(load ? QStringLiteral("Operazioni_Scarico.pro")
                                    : QStringLiteral("Operazioni_Carico.pro"));
    addMovement(journal, QStringLiteral("14/03/2024"), QStringLiteral("XAB-1"),
                QStringLiteral("Rossi uno"));
    addMovement(journal, QStringLiteral("15/03/2024"), QStringLiteral("A-B"),
                QStringLiteral("Bianchi"));
    addMovement(journal, QStringLiteral("15/03/2024"), QStringLiteral("xab-2"),
                QStringLiteral("Rossi due"));
    addMovement(other, QStringLiteral("15/03/2024"), QStringLiteral("XAB-9"));

    MovementSelection s(*m_ctx, kind);
    s.show();
    child<QLineEdit>(&s, "txtTipologia")->setText(QStringLiteral("ab"));
    pick(&s, "txtGiornoInizio", QStringLiteral("15"));
    pick(&s, "txtMeseInizio", QStringLiteral("Marzo"));
    pick(&s, "txtGiornoFine", QStringLiteral("15"));
    pick(&s, "txtMeseFine", QStringLiteral("Marzo"));
    // The year labels show the year typed; text written into them is not the interval's.
    child<QLabel>(&s, "lblAnnoInizio")->setText(QStringLiteral("2023"));
    child<QLabel>(&s, "lblAnnoFine")->setText(QStringLiteral("2025"));
    auto* visualizza = child<QPushButton>(&s, "btnVisualizza");
    test::whileModal([&] { QTest::mouseClick(visualizza, Qt::LeftButton); },
                     [&](QWidget* list) {
                         QCOMPARE(list->objectName(), QString::fromLatin1(kind.listClass));
                         QCOMPARE(list->windowTitle(), QString::fromUtf8(kind.caption));
                         QVERIFY(child<QLabel>(&s, "lblAttendere")->isVisible());
                         auto* view = child<QListView>(list, "lstRecords");
                         QVERIFY(view->uniformItemSizes());
                         QCOMPARE(view->font().family(), QStringLiteral("Courier New"));
                         auto* model = qobject_cast<LineListModel*>(view->model());
                         QVERIFY(model);
                         QCOMPARE(model->rowCount(), 1);
                         QVERIFY(model->line(0).contains(QStringLiteral("xab-2")));
                         QVERIFY(model->line(0).contains(load ? QStringLiteral("Quant. + ")
                                                              : QStringLiteral("Quant. - ")));
                         QCOMPARE(label(list, "lblTotCosti"), QStringLiteral("1"));
                         QCOMPARE(label(list, "titTipologia"), QStringLiteral("ab"));
                         QCOMPARE(label(list, "lblIntervallo"),
                                  QStringLiteral("Dal   15/03/2024   al   15/03/2024"));
                         // Trova on the list walks the matching lines.
                         child<QLineEdit>(list, "txtTrova")->setText(QStringLiteral("ROSSI"));
                         QTest::mouseClick(child<QPushButton>(list, "btnTrova"), Qt::LeftButton);
                         QCOMPARE(view->selectionModel()->selectedRows().value(0).row(), 0);
                     });
    QCOMPARE(label(&s, "lblFile"), journal);
    QVERIFY(!child<QLabel>(&s, "lblAttendere")->isVisible());
    QVERIFY(m_fake->shown.isEmpty());
    QVERIFY(s.findChildren<MovementSummaryList*>().isEmpty()); // destroyed when closed
}

void TestSummaryScreens::enterAloneWalksToTheListAndFinds_data() {
    QTest::addColumn<QString>("screen");
    QTest::newRow("load summary") << "TfrmMenuRiepilogoCarico";
    QTest::newRow("unload summary") << "TfrmMenuRiepilogoScarico";
    QTest::newRow("inventory") << "TfrmMenuRiepilogo";
}

// A user walking the form with Enter alone reaches the list, and Enter twice in the find
// field selects the match.
void TestSummaryScreens::enterAloneWalksToTheListAndFinds() {
    QFETCH(QString, screen);
    std::unique_ptr<QWidget> s;
    if (screen == QLatin1String("TfrmMenuRiepilogo")) {
        addProduct(path(QStringLiteral("Magazzino.pro")), QStringLiteral("V1"),
                   QStringLiteral("Vini"), QStringLiteral("1"), QStringLiteral("1"));
        addProduct(path(QStringLiteral("Magazzino.pro")), QStringLiteral("V2"),
                   QStringLiteral("Vini"), QStringLiteral("1"), QStringLiteral("1"));
        s = std::make_unique<TfrmMenuRiepilogo>(*m_ctx);
    } else {
        const bool load = screen == QLatin1String("TfrmMenuRiepilogoCarico");
        const QString journal = path(load ? QStringLiteral("Operazioni_Carico.pro")
                                          : QStringLiteral("Operazioni_Scarico.pro"));
        addMovement(journal, QStringLiteral("05/03/2024"), QStringLiteral("V1"));
        addMovement(journal, QStringLiteral("05/03/2024"), QStringLiteral("V2"));
        s = std::make_unique<MovementSelection>(*m_ctx, load ? kLoadSummary : kUnloadSummary);
    }
    s->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.get()));
    QApplication::setActiveWindow(s.get());
    auto* tipologia = child<QLineEdit>(s.get(), "txtTipologia");
    tipologia->setFocus();
    QStringList boxes;
    if (screen != QLatin1String("TfrmMenuRiepilogo")) {
        boxes = {QStringLiteral("txtGiornoInizio"), QStringLiteral("txtMeseInizio"),
                 QStringLiteral("txtGiornoFine"), QStringLiteral("txtMeseFine")};
        pick(s.get(), "txtGiornoInizio", QStringLiteral("01"));
        pick(s.get(), "txtMeseInizio", QStringLiteral("Marzo"));
        pick(s.get(), "txtGiornoFine", QStringLiteral("31"));
        pick(s.get(), "txtMeseFine", QStringLiteral("Marzo"));
    }
    QTest::keyClick(tipologia, Qt::Key_Return);
    for (const QString& box : boxes) {
        QCOMPARE(QApplication::focusWidget()->objectName(), box);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    auto* visualizza = child<QPushButton>(s.get(), "btnVisualizza");
    QCOMPARE(QApplication::focusWidget(), visualizza);
    bool listed = false;
    test::whileModal([&] { QTest::keyClick(visualizza, Qt::Key_Return); },
                     [&](QWidget* list) {
                         auto* view = child<QListView>(list, "lstRecords");
                         QCOMPARE(view->model()->rowCount(), 2);
                         QApplication::setActiveWindow(list);
                         auto* trova = child<QLineEdit>(list, "txtTrova");
                         trova->setFocus();
                         QTest::keyClicks(trova, QStringLiteral("V2"));
                         QTest::keyClick(trova, Qt::Key_Return);
                         QVERIFY(child<QPushButton>(list, "btnTrova")->hasFocus());
                         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                         QCOMPARE(view->selectionModel()->selectedRows().value(0).row(), 1);
                         listed = true;
                     });
    QVERIFY(listed);
}

void TestSummaryScreens::listStopsAtAnUnreadableDate() {
    const QString journal = path(QStringLiteral("Operazioni_Carico.pro"));
    addMovement(journal, QStringLiteral("01/03/2024"), QStringLiteral("A1"));
    addMovement(journal, QStringLiteral("02/03/2024"), QStringLiteral("A2"));
    addMovement(journal, QStringLiteral("2024-03-03"), QStringLiteral("A3"));
    addMovement(journal, QStringLiteral("04/03/2024"), QStringLiteral("A4"));
    MovementSummaryList list(*m_ctx, nullptr, kLoadSummary);
    list.setRequest(
        {journal, QString(), QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024")});
    list.show();
    QCOMPARE(list.model()->rowCount(), 2);
    QCOMPARE(label(&list, "lblTotCosti"), QStringLiteral("2"));
    QCOMPARE(label(&list, "lblIntervallo"), QStringLiteral("Dal gg/mm/aaaa al gg/mm/aaaa"));
    QTRY_COMPARE(m_fake->shown.size(), 1);
    QCOMPARE(m_fake->lastKind(), FakePlatform::Kind::Warning);
    QCOMPARE(m_fake->lastText(),
             QStringLiteral(
                 "Attenzione: il movimento in posizione 3 dell'archivio ha una data non valida "
                 "(\"2024-03-03\").\n\r\n\rIl riepilogo è incompleto: elenca soltanto i movimenti "
                 "registrati prima di quella posizione."));
}

void TestSummaryScreens::listPrinting() {
    const QString journal = path(QStringLiteral("Operazioni_Scarico.pro"));
    const QString pdf = path(QStringLiteral("stampa.pdf"));
    m_fake->printToPdf = pdf;

    MovementSummaryList empty(*m_ctx, nullptr, kUnloadSummary);
    empty.setRequest(
        {journal, QString(), QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024")});
    empty.show();
    QCOMPARE(label(&empty, "titTipologia"), QStringLiteral("- - -"));
    QCOMPARE(label(&empty, "lblTotCosti"), QStringLiteral("0"));
    QTest::mouseClick(child<QPushButton>(&empty, "btnStampa"), Qt::LeftButton);
    QCOMPARE(m_fake->shown.size(), 1);
    QCOMPARE(m_fake->lastKind(), FakePlatform::Kind::Warning);
    QCOMPARE(m_fake->lastText(),
             QStringLiteral("Operazione di stampa non applicabile: il riepilogo non "
                            "contiene nessuna voce."));
    QTest::mouseClick(child<QPushButton>(&empty, "btnTrova"), Qt::LeftButton);
    QCOMPARE(m_fake->lastKind(), FakePlatform::Kind::Message);
    QCOMPARE(m_fake->lastText(),
             QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));

    addMovement(journal, QStringLiteral("10/03/2024"), QStringLiteral("XAB-1"));
    addMovement(journal, QStringLiteral("11/03/2024"), QStringLiteral("XAB-2"));
    MovementSummaryList list(*m_ctx, nullptr, kUnloadSummary);
    list.setRequest({journal, QStringLiteral("  "), QStringLiteral("01/03/2024"),
                     QStringLiteral("31/03/2024")});
    list.show();
    m_fake->clear();
    m_fake->answers.enqueue(false);
    QTest::mouseClick(child<QPushButton>(&list, "btnStampa"), Qt::LeftButton);
    QCOMPARE(m_fake->shown.size(), 1);
    QCOMPARE(m_fake->lastKind(), FakePlatform::Kind::Question);
    QCOMPARE(m_fake->lastText(), QStringLiteral("Si vuole stampare il presente riepilogo?"));
    QCOMPARE(m_fake->printDialogs, 0);
    QVERIFY(!QFile::exists(pdf));

    QTest::mouseClick(child<QPushButton>(&list, "btnStampa"), Qt::LeftButton);
    QCOMPARE(m_fake->printDialogs, 1);
    const QString text = test::pdfText(pdf).simplified();
    QVERIFY2(text.contains(
                 QStringLiteral("Movimenti di scarico merce - Codice articolo: Tutti gli articoli")
                     .simplified()),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Data: 10/03/2024  Cod. art. XAB-1").simplified()));
    QVERIFY(text.contains(QStringLiteral("Data: 11/03/2024  Cod. art. XAB-2").simplified()));
    QVERIFY(text.contains(QStringLiteral("Prezzo: € 12,50").simplified()));
    QVERIFY(text.contains(QStringLiteral("- - - - - - - - - - - - - - - -").simplified()));
    QVERIFY(text.contains(
        QStringLiteral("INTERVALLO SELEZIONATO:    Dal   01/03/2024   al   31/03/2024")
            .simplified()));
    QVERIFY(text.contains(QStringLiteral("TOTALE MOVIMENTI:  2").simplified()));
    QVERIFY(text.contains(QStringLiteral("Stampa eseguita in data 05/03/2024").simplified()));
}

// A list whose lines cannot be read now is not printed with blank lines: the notice says the
// journal is busy; once it is free, a new print prints the lines.
void TestSummaryScreens::listOfABusyJournalIsNotPrinted() {
    const QString journal = path(QStringLiteral("Operazioni_Scarico.pro"));
    const QString pdf = path(QStringLiteral("stampa.pdf"));
    m_fake->printToPdf = pdf;
    addMovement(journal, QStringLiteral("10/03/2024"), QStringLiteral("XAB-1"));
    MovementSummaryList list(*m_ctx, nullptr, kUnloadSummary);
    list.setRequest(
        {journal, QString(), QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024")});
    list.show();
    {
        test::LockHolder other(journal);
        QTest::mouseClick(child<QPushButton>(&list, "btnStampa"), Qt::LeftButton);
        QCOMPARE(m_fake->printDialogs, 0);
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(m_fake->lastKind(), FakePlatform::Kind::Warning);
        QCOMPARE(m_fake->lastText(),
                 QStringLiteral("Attenzione: l'archivio è momentaneamente in uso su un'altra "
                                "postazione di lavoro.\n\r\n\rL'operazione non è stata "
                                "eseguita: riprovare tra qualche istante."));
    }
    QTest::mouseClick(child<QPushButton>(&list, "btnStampa"), Qt::LeftButton);
    QCOMPARE(m_fake->printDialogs, 1);
    QVERIFY(test::pdfText(pdf).simplified().contains(QStringLiteral("Cod. art. XAB-1")));
}

// A warning that quotes a bad field shows its control bytes as symbols a user can read.
void TestSummaryScreens::controlBytesInAWarningAreShownReadably_data() {
    QTest::addColumn<bool>("inventory");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("movement date") << false << QStringLiteral("(\"03\u241B03\u24002024\")");
    QTest::newRow("product cost") << true << QStringLiteral("(\"1\u241B5\u2409\u2400x\")");
}
void TestSummaryScreens::controlBytesInAWarningAreShownReadably() {
    QFETCH(bool, inventory);
    QFETCH(QString, quoted);
    std::unique_ptr<QWidget> list;
    if (inventory) {
        addProduct(path(QStringLiteral("Magazzino.pro")), QStringLiteral("A"), QString(),
                   QStringLiteral("1"),
                   QString::fromLatin1("1\x1b"
                                       "5\t\0x",
                                       6));
        list = std::make_unique<TfrmRiepilogo>(*m_ctx, nullptr);
    } else {
        const QString journal = path(QStringLiteral("Operazioni_Carico.pro"));
        addMovement(journal,
                    QString::fromLatin1("03\x1b"
                                        "03\0"
                                        "2024",
                                        10),
                    QStringLiteral("A1"));
        auto summary = std::make_unique<MovementSummaryList>(*m_ctx, nullptr, kLoadSummary);
        summary->setRequest(
            {journal, QString(), QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024")});
        list = std::move(summary);
    }
    list->show();
    QTRY_COMPARE(m_fake->shown.size(), 1);
    QVERIFY2(m_fake->lastText().contains(quoted), qPrintable(m_fake->lastText()));
}

void TestSummaryScreens::inventoryFromTheSelection() {
    const QString archive = path(QStringLiteral("Magazzino.pro"));
    addProduct(archive, QStringLiteral("V1"), QStringLiteral("Vini rossi"), QStringLiteral("3"),
               QStringLiteral("12,5"));
    addProduct(archive, QStringLiteral("B1"), QStringLiteral("Birre"), QStringLiteral("10"),
               QStringLiteral("1"));
    addProduct(archive, QStringLiteral("V2"), QStringLiteral("VINI"), QStringLiteral("-1"),
               QStringLiteral("2,25"));
    const QString pdf = path(QStringLiteral("inventario.pdf"));
    m_fake->printToPdf = pdf;

    TfrmMenuRiepilogo menu(*m_ctx);
    QCOMPARE(menu.windowTitle(), QStringLiteral(" Depotta - Inventario Merce"));
    menu.show();
    child<QLineEdit>(&menu, "txtTipologia")->setText(QStringLiteral("vini"));
    test::whileModal(
        [&] { QTest::mouseClick(child<QPushButton>(&menu, "btnVisualizza"), Qt::LeftButton); },
        [&](QWidget* list) {
            QCOMPARE(list->objectName(), QStringLiteral("TfrmRiepilogo"));
            QVERIFY(child<QLabel>(&menu, "lblAttendere")->isVisible());
            auto* model =
                qobject_cast<LineListModel*>(child<QListView>(list, "lstRecords")->model());
            QVERIFY(model);
            QCOMPARE(model->rowCount(), 2);
            QVERIFY(model->line(0).endsWith(QStringLiteral("Valore: € 37,5")));
            QVERIFY(model->line(1).endsWith(QStringLiteral("Valore: € -2,25")));
            QCOMPARE(label(list, "titTipologia"), QStringLiteral("vini"));
            QCOMPARE(label(list, "lblTotale"), QStringLiteral("€ 35,25"));
            QCOMPARE(label(list, "panInfo"),
                     QStringLiteral("Il presente inventario contiene 2 articoli."));
            QTest::mouseClick(child<QPushButton>(list, "btnStampa"), Qt::LeftButton);
        });
    QVERIFY(!child<QLabel>(&menu, "lblAttendere")->isVisible());
    QVERIFY(m_fake->shown.isEmpty()); // inventory prints without a question
    QCOMPARE(m_fake->printDialogs, 1);
    const QString text = test::pdfText(pdf).simplified();
    QVERIFY2(text.contains(QStringLiteral("Inventario merce - Categoria: vini").simplified()),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Valore: € 37,5").simplified()));
    QVERIFY(text.contains(QStringLiteral("--------------------------").simplified()));
    QVERIFY(text.contains(QStringLiteral("VALORE TOTALE: € 35,25").simplified()));
    QVERIFY(!text.contains(QStringLiteral("B1 ").simplified()));
}

void TestSummaryScreens::inventoryEmptyArchive() {
    const QString pdf = path(QStringLiteral("vuoto.pdf"));
    m_fake->printToPdf = pdf;
    TfrmRiepilogo list(*m_ctx, nullptr);
    list.show();
    QVERIFY(QFile::exists(path(QStringLiteral("Magazzino.pro"))));
    QCOMPARE(list.model()->rowCount(), 0);
    QCOMPARE(label(&list, "lblTotale"), QStringLiteral("€ 0,00"));
    QCOMPARE(label(&list, "panInfo"),
             QStringLiteral("Il presente inventario contiene 0 articoli."));
    QCOMPARE(label(&list, "titTipologia"), QStringLiteral("Tutti gli articoli in magazzino."));
    QTest::mouseClick(child<QPushButton>(&list, "btnTrova"), Qt::LeftButton);
    QCOMPARE(m_fake->lastKind(), FakePlatform::Kind::Information);
    QCOMPARE(m_fake->lastText(),
             QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
    QTest::mouseClick(child<QPushButton>(&list, "btnStampa"), Qt::LeftButton);
    const QString text = test::pdfText(pdf).simplified();
    QVERIFY2(text.contains(
                 QStringLiteral("Inventario merce - Categoria: Tutti gli articoli in magazzino.")
                     .simplified()),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("VALORE TOTALE: € 0,00").simplified()));
}

void TestSummaryScreens::inventoryStopsAtAnUnreadableNumber() {
    const QString archive = path(QStringLiteral("Magazzino.pro"));
    addProduct(archive, QStringLiteral("A"), QString(), QStringLiteral("2"),
               QStringLiteral("1,25"));
    addProduct(archive, QStringLiteral("B"), QString(), QStringLiteral("1"), QStringLiteral("1.5"));
    addProduct(archive, QStringLiteral("C"), QString(), QStringLiteral("1"), QStringLiteral("1"));
    TfrmRiepilogo list(*m_ctx, nullptr);
    list.show();
    QCOMPARE(list.model()->rowCount(), 1);
    QCOMPARE(label(&list, "lblTotale"), QStringLiteral("2,5")); // the partial sum, no euro sign
    QCOMPARE(label(&list, "panInfo"),
             QStringLiteral("Il presente inventario contiene 0 articoli."));
    QTRY_COMPARE(m_fake->shown.size(), 1);
    QCOMPARE(m_fake->lastKind(), FakePlatform::Kind::Warning);
    QCOMPARE(m_fake->lastText(),
             QStringLiteral(
                 "Attenzione: la scheda in posizione 2 dell'archivio ha un costo non numerico "
                 "(\"1.5\").\n\r\n\rL'inventario è incompleto: elenca soltanto gli articoli "
                 "registrati prima di quella posizione e il valore totale non comprende il resto "
                 "del magazzino."));
}

void TestSummaryScreens::archiveThatCannotBeOpenedIsReported() {
    // A folder the user cannot write: the journal and the archive cannot be created, and an
    // empty list would pass for "no movements" or "nothing in stock".
    const test::ScopedPermissions readOnly(m_dir->path(), test::kReadOnlyFolder);
    {
        test::Unprivileged asUser;
        test::expectStorageLog(QStringLiteral("Operazioni_Carico.pro"));
        MovementSummaryList list(*m_ctx, nullptr, kLoadSummary);
        list.setRequest({path(QStringLiteral("Operazioni_Carico.pro")), QString(),
                         QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024")});
        list.show();
        QTRY_COMPARE(m_fake->shown.size(), 1);
        QCOMPARE(m_fake->lastKind(), FakePlatform::Kind::Error);
        QCOMPARE(m_fake->lastText(), test::kArchiveErrorNotice);
        QCOMPARE(list.model()->rowCount(), 0);

        test::expectStorageLog(QStringLiteral("Magazzino.pro"));
        TfrmRiepilogo inventory(*m_ctx, nullptr);
        inventory.show();
        QTRY_COMPARE(m_fake->shown.size(), 2);
        QCOMPARE(m_fake->lastKind(), FakePlatform::Kind::Error);
        QCOMPARE(m_fake->lastText(), test::kArchiveErrorNotice);
        QCOMPARE(label(&inventory, "lblTotale"), QStringLiteral("0,00"));
    }
}

QTEST_MAIN(TestSummaryScreens)
#include "TestSummaryScreens.moc"
