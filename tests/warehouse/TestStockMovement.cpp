#include "WarehouseFixture.h"

#include "storage/Layouts.h"
#include "storage/StorageError.h"
#include "warehouse/TfrmGiacenza.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

using namespace dp;
using namespace dp::test;
using Kind = FakePlatform::Kind;

namespace {

const QString kDone = QStringLiteral(
    "Operazione di aggiornamento giacenza effettuata con successo.\n\r\n\rRicordarsi di premere "
    "Salva nella scheda del prodotto in magazzino.");

// A stored product with cost 12,50, price 20,00 and the given stock, shown on the sheet.
void showStoredProduct(SheetFixture& s, const QByteArray& stock) {
    writeFile(s.path(u"Magazzino.pro"_s), productBytes({{0, "V-10"},
                                                        {1, "12,50"},
                                                        {2, "Vite"},
                                                        {3, stock},
                                                        {5, "Scatola"},
                                                        {6, "Ferramenta"},
                                                        {16, "20,00"},
                                                        {17, "No"}}));
    s.click("cmdPrimo");
}

QLineEdit* in(QWidget* w, const char* name) {
    return w->findChild<QLineEdit*>(QLatin1String(name));
}

void press(QWidget* w, const char* name) {
    w->findChild<QPushButton*>(QLatin1String(name))->click();
}

} // namespace

class TestStockMovement : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { dp::test::failOnQtWarnings(); }
    void movementFromTheSheet_data();
    void movementFromTheSheet();
    void newSheetRefusesMovements();
    void quantityKeys();
    void totalAndCancel();
    void requiredCategoryAndName();
    void unreadableStockBecomesZero();
    void journalFailureKeepsTheStock();
    void stockMustFitItsField_data();
    void stockMustFitItsField();
    void kindDoesNotHangOnCaptions_data();
    void kindDoesNotHangOnCaptions();
};

void TestStockMovement::movementFromTheSheet_data() {
    QTest::addColumn<bool>("load");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("journal");
    QTest::addColumn<QByteArray>("amount");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("load 5 on 12") << true << "5"
                                  << "17"
                                  << "Operazioni_Carico.pro" << QByteArray("12,50")
                                  << QByteArray("5");
    QTest::newRow("unload 20 on 12")
        << false << "20"
        << "-8"
        << "Operazioni_Scarico.pro" << QByteArray("20,00") << QByteArray("20");
    QTest::newRow("empty quantity")
        << true << ""
        << "12"
        << "Operazioni_Carico.pro" << QByteArray("12,50") << QByteArray("0");
}

void TestStockMovement::movementFromTheSheet() {
    QFETCH(bool, load);
    QFETCH(QString, quantity);
    QFETCH(QString, total);
    QFETCH(QString, journal);
    QFETCH(QByteArray, amount);
    QFETCH(QByteArray, stored);
    SheetFixture s;
    QVERIFY(s.showActive());
    showStoredProduct(s, "12");

    bool ran = false;
    QString operation, amountCaption, quantityCaption;
    QString focusOnOpen;
    QStringList prepared;
    whenModal(
        [&](QWidget* w) {
            operation = in(w, "txtOperazione")->text();
            amountCaption = w->findChild<QLabel*>(u"titImporto"_s)->text();
            quantityCaption = w->findChild<QLabel*>(u"lblAggiunta"_s)->text();
            for (const char* name :
                 {"txtData", "txtOra", "txtCodice", "txtCategoria", "txtNome", "txtAspetto",
                  "txtImporto", "txtGiacenza", "txtAggiunta", "txtTotale"})
                prepared << in(w, name)->text();
            focusOnOpen = w->focusWidget() ? w->focusWidget()->objectName() : QString();
            // The category edited here goes into the movement only.
            in(w, "txtCategoria")->setText(QStringLiteral("  Viteria  "));
            in(w, "txtNote")->setText(QString(250, QLatin1Char('n')));
            QLineEdit* q = in(w, "txtAggiunta");
            q->selectAll();
            QTest::keyClick(q, Qt::Key_Backspace);
            QTest::keyClicks(q, quantity);
            press(w, "btnAggiorna");
        },
        &ran);
    s.click(load ? "btnAggiungi" : "btnSottrai");
    QVERIFY(ran);
    QCOMPARE(prepared,
             (QStringList{u"05/03/2024"_s, u"14:05:09"_s, u"V-10"_s, u"Ferramenta"_s, u"Vite"_s,
                          u"Scatola"_s, QString::fromLatin1(amount), u"12"_s, u"0"_s, u"12"_s}));
    QCOMPARE(focusOnOpen, QStringLiteral("txtAggiunta"));
    QCOMPARE(operation, load ? QStringLiteral("OPERAZIONE DI CARICO")
                             : QStringLiteral("OPERAZIONE DI SCARICO"));
    QCOMPARE(amountCaption,
             load ? QStringLiteral("Costo unitario:") : QStringLiteral("Prezzo unitario:"));
    QCOMPARE(quantityCaption, load ? QStringLiteral("Quantità da aggiungere:")
                                   : QStringLiteral("Quantità da sottrarre:"));
    QCOMPARE(s.platform.lastKind(), Kind::Information);
    QCOMPARE(s.platform.lastText(), kDone);
    QCOMPARE(s.f("txtGiacenza")->text(), total);
    QCOMPARE(s.f("txtTipologia")->text(), QStringLiteral("Ferramenta"));

    // Exactly one record in the journal of its kind; the other journal is not created.
    const QByteArray rec = readFile(s.path(journal));
    QCOMPARE(rec.size(), 462);
    QVERIFY(!QFileInfo::exists(
        s.path(load ? u"Operazioni_Scarico.pro"_s : u"Operazioni_Carico.pro"_s)));
    QCOMPARE(bytesAt(rec, off::mData, 10), field(10, "05/03/2024"));
    QCOMPARE(bytesAt(rec, off::mOra, 8), field(8, "14:05:09"));
    QCOMPARE(bytesAt(rec, off::mCodice, 30), field(30, "V-10"));
    QCOMPARE(bytesAt(rec, off::mCategoria, 50), field(50, "Viteria"));
    QCOMPARE(bytesAt(rec, off::mNome, 50), field(50, "Vite"));
    QCOMPARE(bytesAt(rec, off::mAspetto, 30), field(30, "Scatola"));
    QCOMPARE(bytesAt(rec, off::mImporto, 15), field(15, amount));
    QCOMPARE(bytesAt(rec, off::mAggiunta, 10), field(10, stored));
    QCOMPARE(bytesAt(rec, off::mNote, 250), field(250, QByteArray(250, 'n')));

    // Not saved yet: the product record keeps its old stock. Saving stores the new one.
    QCOMPARE(bytesAt(s.record(1), off::Giacenza, 4), field(4, "12"));
    s.click("btnSalva");
    QCOMPARE(bytesAt(s.record(1), off::Giacenza, 4), field(4, total.toLatin1()));
    QCOMPARE(bytesAt(s.record(1), off::Tipologia, 50), field(50, "Ferramenta"));
}

void TestStockMovement::newSheetRefusesMovements() {
    SheetFixture s;
    QVERIFY(s.showActive());
    s.fillRequired();
    for (const char* button : {"btnAggiungi", "btnSottrai"}) {
        s.platform.clear();
        s.f("txtNome")->setFocus();
        s.click(button);
        QCOMPARE(s.platform.shown.size(), 1);
        QCOMPARE(s.platform.lastKind(), Kind::Warning);
        QCOMPARE(s.platform.lastText(),
                 QStringLiteral("Attenzione: per aggiornare la giacenza è prima necessario "
                                "salvare la scheda."));
        QCOMPARE(QApplication::focusWidget(), s.f("txtCodice"));
    }
    QVERIFY(!QFileInfo::exists(s.path(u"Operazioni_Carico.pro"_s)));
    QVERIFY(!QFileInfo::exists(s.path(u"Operazioni_Scarico.pro"_s)));
}

void TestStockMovement::quantityKeys() {
    SheetFixture s;
    TfrmGiacenza m(s.ctx, s.screen.get());
    m.prepare(MovementKind::Load,
              {u"12"_s, u"V-10"_s, u"Ferramenta"_s, u"Vite"_s, u"Scatola"_s, u"12,50"_s});
    m.show();
    QVERIFY(QTest::qWaitForWindowActive(&m));
    QLineEdit* q = in(&m, "txtAggiunta");
    QTRY_COMPARE(QApplication::focusWidget(), q);
    typeText(q, u"3a,b 4"_s);
    QCOMPARE(q->text(), QStringLiteral("34"));
    QTest::keyClick(q, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), q);
    typeText(q, u"1234567890"_s);
    QCOMPARE(q->text().size(), 8);
    QTest::keyClick(q, Qt::Key_Backspace);
    QCOMPARE(q->text().size(), 7);
    // Enter walks to Calcola totale, and Enter there computes.
    q->setText(QStringLiteral("007"));
    QTest::keyClick(q, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("btnTotale"));
    QCOMPARE(q->text(), QStringLiteral("7"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(in(&m, "txtTotale")->text(), QStringLiteral("19"));
}

void TestStockMovement::totalAndCancel() {
    SheetFixture s;
    QVERIFY(s.showActive());
    showStoredProduct(s, "12");
    TfrmGiacenza m(s.ctx, s.screen.get());
    m.prepare(MovementKind::Unload,
              {u"12"_s, u"V-10"_s, u"Ferramenta"_s, u"Vite"_s, u"Scatola"_s, u"20,00"_s});
    m.show();
    QVERIFY(QTest::qWaitForWindowActive(&m));
    QLineEdit* q = in(&m, "txtAggiunta");
    QTRY_COMPARE(QApplication::focusWidget(), q);
    q->selectAll();
    QTest::keyClicks(q, u"4"_s);
    press(&m, "btnTotale");
    QCOMPARE(in(&m, "txtTotale")->text(), QStringLiteral("8"));
    // Typing again voids the total until it is computed again.
    q->setFocus();
    QTest::keyClick(q, Qt::Key_5);
    QCOMPARE(in(&m, "txtTotale")->text(), QString());
    press(&m, "btnChiudi");
    QVERIFY(!m.isVisible());
    QCOMPARE(m.result(), int(QDialog::Rejected));
    QCOMPARE(s.f("txtGiacenza")->text(), QStringLiteral("12"));
    QVERIFY(!QFileInfo::exists(s.path(u"Operazioni_Scarico.pro"_s)));
    QCOMPARE(s.platform.shown.size(), 0);
}

void TestStockMovement::requiredCategoryAndName() {
    SheetFixture s;
    TfrmGiacenza m(s.ctx, s.screen.get());
    m.prepare(MovementKind::Load, {u"12"_s, u"V-10"_s, u""_s, u""_s, u"Scatola"_s, u"12,50"_s});
    press(&m, "btnAggiorna");
    QCOMPARE(s.platform.lastKind(), Kind::Warning);
    QCOMPARE(s.platform.lastText(), QStringLiteral("Attenzione: per salvare la scheda è necessario "
                                                   "indicare la categoria merceologica."));
    in(&m, "txtCategoria")->setText(QStringLiteral("Ferramenta"));
    press(&m, "btnAggiorna");
    QCOMPARE(s.platform.lastText(), QStringLiteral("Attenzione: per salvare la scheda è necessario "
                                                   "indicare il nome del prodotto."));
    QCOMPARE(s.platform.shown.size(), 2);
    QVERIFY(!QFileInfo::exists(s.path(u"Operazioni_Carico.pro"_s)));
    QCOMPARE(m.newStock(), QString());
}

void TestStockMovement::unreadableStockBecomesZero() {
    SheetFixture s;
    TfrmGiacenza m(s.ctx, s.screen.get());
    m.prepare(MovementKind::Load, {u"tre"_s, u"V-10"_s, u"Ferramenta"_s, u"Vite"_s, u""_s, u""_s});
    in(&m, "txtAggiunta")->setText(QStringLiteral("5"));
    press(&m, "btnTotale");
    for (const char* name : {"txtGiacenza", "txtAggiunta", "txtTotale"})
        QCOMPARE(in(&m, name)->text(), QStringLiteral("0"));
    // Still recorded, as a movement of 0 at an amount of 0,00.
    press(&m, "btnAggiorna");
    const QByteArray rec = readFile(s.path(u"Operazioni_Carico.pro"_s));
    QCOMPARE(bytesAt(rec, off::mAggiunta, 10), field(10, "0"));
    QCOMPARE(bytesAt(rec, off::mImporto, 15), field(15, "0,00"));
    QCOMPARE(m.newStock(), QStringLiteral("0"));
}

void TestStockMovement::journalFailureKeepsTheStock() {
    SheetFixture s;
    QVERIFY(QDir(s.dir.path()).mkdir(u"Operazioni_Carico.pro"_s)); // cannot be opened as a file
    s.f("txtGiacenza")->setText(QStringLiteral("12"));
    TfrmGiacenza m(s.ctx, s.screen.get());
    m.prepare(MovementKind::Load,
              {u"12"_s, u"V-10"_s, u"Ferramenta"_s, u"Vite"_s, u"Scatola"_s, u"12,50"_s});
    m.show();
    in(&m, "txtAggiunta")->setText(QStringLiteral("5"));
    test::expectStorageLog(QStringLiteral("Operazioni_Carico.pro"));
    press(&m, "btnAggiorna");
    QCOMPARE(s.platform.shown.size(), 1);
    QCOMPARE(s.platform.lastKind(), Kind::Error);
    QCOMPARE(s.platform.lastText(), test::kArchiveErrorNotice);
    QCOMPARE(m.newStock(), QString());
    QVERIFY(m.isVisible()); // the user can retry or cancel

    // Once the journal can be written, the same screen records the movement.
    QVERIFY(QDir(s.dir.path()).rmdir(u"Operazioni_Carico.pro"_s));
    press(&m, "btnAggiorna");
    QCOMPARE(s.platform.lastText(), kDone);
    QCOMPARE(readFile(s.path(u"Operazioni_Carico.pro"_s)).size(), 462);
    QCOMPARE(m.newStock(), QStringLiteral("17"));
    QCOMPARE(m.result(), int(QDialog::Accepted));
    QVERIFY(!m.isVisible());
}

void TestStockMovement::stockMustFitItsField_data() {
    QTest::addColumn<bool>("load");
    QTest::addColumn<QString>("stock");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("total"); // empty: refused
    QTest::newRow("load to 9999") << true << "9995"
                                  << "4"
                                  << "9999";
    QTest::newRow("load to 10000") << true << "9996"
                                   << "4"
                                   << "";
    QTest::newRow("large quantity") << true << "0"
                                    << "12345678"
                                    << "";
    QTest::newRow("unload to -999") << false << "-995"
                                    << "4"
                                    << "-999";
    QTest::newRow("unload to -1000") << false << "-996"
                                     << "4"
                                     << "";
}

void TestStockMovement::stockMustFitItsField() {
    QFETCH(bool, load);
    QFETCH(QString, stock);
    QFETCH(QString, quantity);
    QFETCH(QString, total);
    SheetFixture s;
    s.f("txtGiacenza")->setText(stock);
    TfrmGiacenza m(s.ctx, s.screen.get());
    m.prepare(load ? MovementKind::Load : MovementKind::Unload,
              {stock, u"V-10"_s, u"Ferramenta"_s, u"Vite"_s, u"Scatola"_s, u"1,00"_s});
    m.show();
    in(&m, "txtAggiunta")->setText(quantity);
    press(&m, "btnAggiorna");
    const QString journal = s.path(load ? u"Operazioni_Carico.pro"_s : u"Operazioni_Scarico.pro"_s);
    if (total.isEmpty()) {
        QCOMPARE(s.platform.shown.size(), 1);
        QCOMPARE(s.platform.lastKind(), Kind::Warning);
        QVERIFY(s.platform.lastText().contains(QStringLiteral("limiti del campo Giacenza")));
        QCOMPARE(m.newStock(), QString());
        QVERIFY(!QFileInfo::exists(journal));
        QVERIFY(m.isVisible());
    } else {
        QCOMPARE(s.platform.lastText(), kDone);
        QCOMPARE(m.newStock(), total);
        QCOMPARE(readFile(journal).size(), 462);
    }
}

void TestStockMovement::kindDoesNotHangOnCaptions_data() {
    QTest::addColumn<bool>("load");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("journal");
    QTest::newRow("load") << true << "17"
                          << "Operazioni_Carico.pro";
    QTest::newRow("unload") << false << "7"
                            << "Operazioni_Scarico.pro";
}

void TestStockMovement::kindDoesNotHangOnCaptions() {
    // A caption reworded (a translation, a new wording) changes nothing of what the movement
    // does: here each kind shows the captions of the other.
    QFETCH(bool, load);
    QFETCH(QString, total);
    QFETCH(QString, journal);
    SheetFixture s;
    TfrmGiacenza m(s.ctx, s.screen.get());
    m.prepare(load ? MovementKind::Load : MovementKind::Unload,
              {u"12"_s, u"V-10"_s, u"Ferramenta"_s, u"Vite"_s, u"Scatola"_s, u"12,50"_s});
    m.findChild<QLabel*>(u"lblAggiunta"_s)
        ->setText(load ? u"Quantità da sottrarre:"_s : u"Quantità da aggiungere:"_s);
    m.findChild<QLabel*>(u"titImporto"_s)
        ->setText(load ? u"Prezzo unitario:"_s : u"Costo unitario:"_s);
    in(&m, "txtOperazione")->setText(load ? u"OPERAZIONE DI SCARICO"_s : u"OPERAZIONE DI CARICO"_s);
    in(&m, "txtAggiunta")->setText(u"5"_s);
    press(&m, "btnTotale");
    QCOMPARE(in(&m, "txtTotale")->text(), total);
    press(&m, "btnAggiorna");
    QCOMPARE(m.kind(), load ? MovementKind::Load : MovementKind::Unload);
    QCOMPARE(m.newStock(), total);
    QCOMPARE(readFile(s.path(journal)).size(), 462);
    QVERIFY(!QFileInfo::exists(
        s.path(load ? u"Operazioni_Scarico.pro"_s : u"Operazioni_Carico.pro"_s)));
}

QTEST_MAIN(TestStockMovement)
#include "TestStockMovement.moc"
