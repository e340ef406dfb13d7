#include "WarehouseFixture.h"

#include "attachments/PhotoBox.h"
#include "attachments/PhotoStore.h"
#include "storage/Layouts.h"
#include "storage/StorageError.h"
#include "ui/TfrmCalendario.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

using namespace dp;
using namespace dp::test;
using Kind = FakePlatform::Kind;

class TestProductSheet : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { dp::test::failOnQtWarnings(); }
    void newSheetState();
    void saveAppendsThenRewrites();
    void saveNormalisesTheFieldBeingEdited();
    void requiredFieldsInOrder_data();
    void requiredFieldsInOrder();
    void saveFailureReportsAndStoresNoPhoto();
    void normaliseOnExit_data();
    void normaliseOnExit();
    void keyFilters_data();
    void keyFilters();
    void browse_data();
    void browse();
    void headingFollowsAnEmptiedArchive();
    void showRecordFillsEveryControl();
    void duplicate();
    void enterChain();
    void expiryDateKeysAndPicker();
    void stockFieldOpensInstructions();
    void photoWrittenAtSaveAndLoadedWhenShown();
};

void TestProductSheet::newSheetState() {
    // Every control named in the sheet's field and hint tables exists.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("FieldConventions")));
    SheetFixture s;
    // Until the mouse first crosses the background.
    QCOMPARE(s.screen->findChild<QLabel*>(u"panInfo"_s)->text(),
             QStringLiteral("Pronto per archiviare una nuova scheda..."));
    QVERIFY(s.showActive());
    QCOMPARE(s.f("txtCosto")->text(), QStringLiteral("0,00"));
    QCOMPARE(s.f("txtPrezzo")->text(), QStringLiteral("0,00"));
    QCOMPARE(s.f("txtGiacenza")->text(), QStringLiteral("0"));
    QCOMPARE(s.f("txtAvviso")->text(), QStringLiteral("0"));
    QVERIFY(s.f("txtGiacenza")->isReadOnly());
    QVERIFY(s.f("txtDataSca")->isReadOnly());
    QCOMPARE(s.screen->findChild<QLabel*>(u"lblPosizione"_s)->text(), QString());
    QCOMPARE(QApplication::focusWidget(), s.f("txtCodice"));
    QVERIFY(s.screen->findChild<QWidget*>(u"effCodice"_s)->isVisible());
    QVERIFY(!s.screen->photo()->hasPhoto());
    QVERIFY(s.screen->windowState() & Qt::WindowMaximized);
    for (const char* name : {"btnTrova", "impFornitore", "btnSottoscorta", "btnScaduti",
                             "btnEsporta", "btnAllegati", "btnAnteprima", "btnStampa"})
        QVERIFY2(s.screen->findChild<QToolButton*>(QLatin1String(name))->isEnabled(), name);
}

void TestProductSheet::saveAppendsThenRewrites() {
    SheetFixture s;
    // Two records already on file: the new sheet goes to position 3.
    writeFile(s.path(u"Magazzino.pro"_s),
              productBytes({{0, "OLD1"}}) + productBytes({{0, "OLD2"}}));
    QVERIFY(s.showActive());
    s.fillRequired();
    s.click("btnSalva");
    QCOMPARE(s.platform.shown.size(), 1);
    QCOMPARE(s.platform.lastKind(), Kind::Information);
    QCOMPARE(s.platform.lastText(),
             QStringLiteral("La scheda corrente è stata inserita in archivio."));
    QCOMPARE(s.screen->findChild<QLabel*>(u"lblPosizione"_s)->text(), QStringLiteral("3"));
    QCOMPARE(s.archive().size(), 3 * 2502);
    const QByteArray rec = s.record(3);
    QCOMPARE(bytesAt(rec, off::Codice, 25), field(25, "A-100"));
    QCOMPARE(bytesAt(rec, off::Costo, 12), field(12, "12,50"));
    QCOMPARE(bytesAt(rec, off::Giacenza, 4), field(4, "0"));
    QCOMPARE(bytesAt(rec, off::Avviso, 3), field(3, "0"));
    QCOMPARE(bytesAt(rec, off::Prezzo, 12), field(12, "20,00"));
    QCOMPARE(bytesAt(rec, off::Pagato, 2), field(2, "No"));
    QCOMPARE(bytesAt(rec, off::DataSca, 10), field(10, ""));

    s.f("txtNome")->setText(QStringLiteral("Vite a testa piana"));
    s.screen->findChild<QCheckBox*>(u"chkPagato"_s)->setChecked(true);
    s.click("btnSalva");
    QCOMPARE(s.platform.lastKind(), Kind::Information);
    QCOMPARE(s.platform.lastText(),
             QStringLiteral(
                 "Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    QCOMPARE(s.screen->findChild<QLabel*>(u"lblPosizione"_s)->text(), QStringLiteral("3"));
    QCOMPARE(s.archive().size(), 3 * 2502);
    QCOMPARE(bytesAt(s.record(3), off::Nome, 50), field(50, "Vite a testa piana"));
    QCOMPARE(bytesAt(s.record(3), off::Pagato, 2), field(2, "S\xEC"));
    QCOMPARE(s.record(2), productBytes({{0, "OLD2"}}));
}

void TestProductSheet::saveNormalisesTheFieldBeingEdited() {
    SheetFixture s;
    QVERIFY(s.showActive());
    s.fillRequired();
    s.f("txtAvviso")->clear();
    // The cost is emptied while it has the focus: leaving it gives 0,00, so the save goes on.
    s.f("txtCosto")->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), s.f("txtCosto"));
    s.f("txtCosto")->selectAll();
    QTest::keyClick(s.f("txtCosto"), Qt::Key_Backspace);
    QCOMPARE(s.f("txtCosto")->text(), QString());
    s.click("btnSalva");
    QCOMPARE(s.platform.lastText(),
             QStringLiteral("La scheda corrente è stata inserita in archivio."));
    QCOMPARE(s.f("txtCosto")->text(), QStringLiteral("0,00"));
    QCOMPARE(bytesAt(s.record(1), off::Costo, 12), field(12, "0,00"));
    QCOMPARE(bytesAt(s.record(1), off::Avviso, 3), field(3, "0"));
    QCOMPARE(QApplication::focusWidget(), s.f("txtCosto")); // the user goes on where they were
}

void TestProductSheet::requiredFieldsInOrder_data() {
    QTest::addColumn<QStringList>("emptied");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("message");
    const QString pre = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    QTest::newRow("codice") << QStringList{u"txtCodice"_s, u"txtPrezzo"_s} << u"txtCodice"_s
                            << pre + u"il codice articolo."_s;
    QTest::newRow("costo") << QStringList{u"txtCosto"_s, u"txtNome"_s} << u"txtCosto"_s
                           << pre + u"il costo unitario."_s;
    QTest::newRow("nome") << QStringList{u"txtNome"_s, u"txtUM"_s, u"txtTipologia"_s}
                          << u"txtNome"_s << pre + u"il nome del prodotto."_s;
    QTest::newRow("um") << QStringList{u"txtUM"_s, u"txtPrezzo"_s} << u"txtUM"_s
                        << pre + u"l'aspetto esteriore del bene."_s;
    QTest::newRow("tipologia (blanks only)") << QStringList{u"txtTipologia"_s} << u"txtTipologia"_s
                                             << pre + u"la categoria merceologica."_s;
    QTest::newRow("prezzo") << QStringList{u"txtPrezzo"_s} << u"txtPrezzo"_s
                            << pre + u"il prezzo di vendita."_s;
}

void TestProductSheet::requiredFieldsInOrder() {
    QFETCH(QStringList, emptied);
    QFETCH(QString, focus);
    QFETCH(QString, message);
    SheetFixture s;
    QVERIFY(s.showActive());
    s.fillRequired();
    for (const QString& name : emptied)
        s.screen->findChild<QLineEdit*>(name)->setText(QStringLiteral("  "));
    s.click("btnSalva");
    QCOMPARE(s.platform.shown.size(), 1);
    QCOMPARE(s.platform.lastKind(), Kind::Warning);
    QCOMPARE(s.platform.lastText(), message);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(s.archive().size(), 0);
    QCOMPARE(s.screen->findChild<QLabel*>(u"lblPosizione"_s)->text(), QString());
}

void TestProductSheet::saveFailureReportsAndStoresNoPhoto() {
    SheetFixture s;
    QVERIFY(QDir(s.dir.path()).mkdir(u"Magazzino.pro"_s)); // the archive cannot be opened
    QVERIFY(s.showActive());
    s.fillRequired();
    test::expectStorageLog(QStringLiteral("Magazzino.pro"));
    s.click("btnSalva");
    QCOMPARE(s.platform.shown.size(), 1);
    QCOMPARE(s.platform.lastKind(), Kind::Error);
    QCOMPARE(s.platform.lastText(), test::kArchiveErrorNotice);
    QCOMPARE(s.screen->findChild<QLabel*>(u"lblPosizione"_s)->text(), QString());
    QVERIFY(!QFileInfo::exists(s.path(u"Schedario/Prodotto_1.jpg"_s)));
    QCOMPARE(s.f("txtCodice")->text(), QStringLiteral("A-100"));
}

void TestProductSheet::normaliseOnExit_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");  // typed key by key
    QTest::addColumn<QString>("pasted"); // or put in whole
    QTest::addColumn<QString>("expected");
    QTest::newRow("cost 3") << "txtCosto"
                            << "3"
                            << ""
                            << "3,00";
    QTest::newRow("cost 3,1") << "txtCosto"
                              << "3,1"
                              << ""
                              << "3,10";
    QTest::newRow("cost 3,14159") << "txtCosto"
                                  << "3,14159"
                                  << ""
                                  << "3,1416";
    QTest::newRow("cost 1,234 kept") << "txtCosto"
                                     << "1,234"
                                     << ""
                                     << "1,234";
    QTest::newRow("cost empty") << "txtCosto"
                                << ""
                                << ""
                                << "0,00";
    QTest::newRow("price 12,5") << "txtPrezzo"
                                << "12,5"
                                << ""
                                << "12,50";
    QTest::newRow("price two commas") << "txtPrezzo"
                                      << "1,2,3"
                                      << ""
                                      << "0,00";
    QTest::newRow("warning 007") << "txtAvviso"
                                 << "007"
                                 << ""
                                 << "7";
    QTest::newRow("warning empty") << "txtAvviso"
                                   << ""
                                   << ""
                                   << "0";
    QTest::newRow("warning pasted 2,5") << "txtAvviso"
                                        << ""
                                        << "2,5"
                                        << "3";
    QTest::newRow("warning pasted 2,4") << "txtAvviso"
                                        << ""
                                        << "2,4"
                                        << "2";
}

void TestProductSheet::normaliseOnExit() {
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, expected);
    SheetFixture s;
    QVERIFY(s.showActive());
    QLineEdit* e = s.screen->findChild<QLineEdit*>(name);
    e->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), e);
    e->clear();
    if (!pasted.isEmpty())
        e->setText(pasted);
    QTest::keyClicks(e, typed);
    QCOMPARE(e->text(), typed + pasted);
    s.f("txtNome")->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), s.f("txtNome"));
    QCOMPARE(e->text(), expected);
}

void TestProductSheet::keyFilters_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("warning digits only") << "txtAvviso"
                                         << "1a 2,.x"
                                         << "12";
    QTest::newRow("warning limit 3") << "txtAvviso"
                                     << "12345"
                                     << "123";
    QTest::newRow("cost digits and comma") << "txtCosto"
                                           << "1a2,5.-e"
                                           << "12,5";
    QTest::newRow("code takes anything") << "txtCodice"
                                         << "Ab-1/&è"
                                         << "Ab-1/&è";
}

void TestProductSheet::keyFilters() {
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    SheetFixture s;
    QVERIFY(s.showActive());
    QLineEdit* e = s.screen->findChild<QLineEdit*>(name);
    e->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), e);
    e->clear();
    typeText(e, typed);
    QCOMPARE(e->text(), expected);
    if (name == QLatin1String("txtAvviso")) {
        // Tab is refused like any other key that is not a digit; Backspace works.
        QTest::keyClick(e, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), e);
        QTest::keyClick(e, Qt::Key_Backspace);
        QCOMPARE(e->text(), expected.chopped(1));
    }
}

void TestProductSheet::browse_data() {
    QTest::addColumn<int>("records");
    QTest::addColumn<QString>("start"); // position on display ("" for a new sheet)
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("position"); // afterwards
    QTest::addColumn<bool>("emptyMessage");
    QTest::newRow("first, empty") << 0 << ""
                                  << "cmdPrimo"
                                  << "" << true;
    QTest::newRow("last, empty") << 0 << ""
                                 << "cmdUltimo"
                                 << "" << true;
    QTest::newRow("next, empty") << 0 << ""
                                 << "cmdAvanti"
                                 << "" << true;
    QTest::newRow("previous, empty") << 0 << ""
                                     << "cmdIndietro"
                                     << "" << true;
    QTest::newRow("first") << 3 << "2"
                           << "cmdPrimo"
                           << "1" << false;
    QTest::newRow("last") << 3 << ""
                          << "cmdUltimo"
                          << "3" << false;
    QTest::newRow("next") << 3 << "1"
                          << "cmdAvanti"
                          << "2" << false;
    QTest::newRow("next at the end") << 3 << "3"
                                     << "cmdAvanti"
                                     << "3" << false;
    QTest::newRow("previous") << 3 << "3"
                              << "cmdIndietro"
                              << "2" << false;
    QTest::newRow("previous at the start") << 3 << "1"
                                           << "cmdIndietro"
                                           << "1" << false;
    QTest::newRow("next from a new sheet") << 3 << ""
                                           << "cmdAvanti"
                                           << "1" << false;
    QTest::newRow("previous from a new sheet") << 3 << ""
                                               << "cmdIndietro"
                                               << "1" << false;
}

// Another workstation emptied the archive while this sheet showed its only record.
void TestProductSheet::headingFollowsAnEmptiedArchive() {
    SheetFixture s;
    writeFile(s.path(u"Magazzino.pro"_s), productBytes({{0, "COD1"}}));
    QVERIFY(s.showActive());
    s.click("cmdPrimo");
    auto* heading = s.screen->findChild<QLabel*>(u"titPosizione"_s);
    QCOMPARE(heading->text(), QStringLiteral("Scheda in archivio n."));
    writeFile(s.path(u"Magazzino.pro"_s), QByteArray());
    s.click("cmdAvanti");
    QCOMPARE(s.screen->findChild<QLabel*>(u"lblPosizione"_s)->text(), QString());
    QCOMPARE(heading->text(), QStringLiteral("Nuova scheda, non ancora inserita in archivio"));
}

void TestProductSheet::browse() {
    QFETCH(int, records);
    QFETCH(QString, start);
    QFETCH(QString, button);
    QFETCH(QString, position);
    QFETCH(bool, emptyMessage);
    SheetFixture s;
    QByteArray file;
    for (int i = 1; i <= records; ++i)
        file += productBytes({{0, "COD" + QByteArray::number(i)}});
    if (records)
        writeFile(s.path(u"Magazzino.pro"_s), file);
    QVERIFY(s.showActive());
    if (!start.isEmpty()) {
        s.screen->showRecord(Record(TSchedaProdotto, file.mid((start.toInt() - 1) * 2502, 2502)),
                             start.toInt());
        s.f("txtCodice")->setText(QStringLiteral("edited"));
    }
    s.click(button.toLatin1().constData());
    QCOMPARE(s.screen->findChild<QLabel*>(u"lblPosizione"_s)->text(), position);
    QCOMPARE(s.screen->findChild<QLabel*>(u"titPosizione"_s)->text(),
             position.isEmpty() ? QStringLiteral("Nuova scheda, non ancora inserita in archivio")
                                : QStringLiteral("Scheda in archivio n."));
    if (emptyMessage) {
        QCOMPARE(s.platform.shown.size(), 1);
        QCOMPARE(s.platform.lastKind(), Kind::Information);
        QCOMPARE(s.platform.lastText(), QStringLiteral("L'archivio non contiene nessuna scheda."));
        QVERIFY(QFileInfo::exists(s.path(u"Magazzino.pro"_s))); // created on first use
    } else {
        QCOMPARE(s.platform.shown.size(), 0);
    }
    // A move shows the record; staying put leaves the sheet as the user left it.
    const bool moved = !position.isEmpty() && position != start;
    if (moved)
        QCOMPARE(s.f("txtCodice")->text(), QStringLiteral("COD") + position);
    else if (!start.isEmpty())
        QCOMPARE(s.f("txtCodice")->text(), QStringLiteral("edited"));
}

void TestProductSheet::showRecordFillsEveryControl() {
    SheetFixture s;
    QVERIFY(s.showActive());
    const QByteArray bytes = productBytes({{0, "X-9"},
                                           {1, "1,5"},
                                           {2, "Nome"},
                                           {3, "-3"},
                                           {4, "5"},
                                           {5, "Sacco"},
                                           {6, "Edilizia"},
                                           {13, "Bonifico"},
                                           {14, "07/01/2025"},
                                           {15, "Nota"},
                                           {16, "2,25"},
                                           {17, "S\xEC"},
                                           {18, "manuale.pdf"},
                                           {23, "descrizione"}});
    s.screen->showRecord(Record(TSchedaProdotto, bytes), 4);
    QCOMPARE(s.f("txtCodice")->text(), QStringLiteral("X-9"));
    QCOMPARE(s.f("txtCosto")->text(), QStringLiteral("1,5")); // shown as stored
    QCOMPARE(s.f("txtGiacenza")->text(), QStringLiteral("-3"));
    QCOMPARE(s.f("txtDataSca")->text(), QStringLiteral("07/01/2025"));
    QCOMPARE(s.f("txtPrezzo")->text(), QStringLiteral("2,25"));
    QVERIFY(s.screen->findChild<QCheckBox*>(u"chkPagato"_s)->isChecked());
    QCOMPARE(s.screen->findChild<QLabel*>(u"lblFile01"_s)->text(), QStringLiteral("manuale.pdf"));
    QCOMPARE(s.screen->findChild<QLabel*>(u"lblDesc03"_s)->text(), QStringLiteral("descrizione"));
    QCOMPARE(s.screen->findChild<QLabel*>(u"lblPosizione"_s)->text(), QStringLiteral("4"));
    // Saving it again rewrites the same bytes (the file holds what was shown: a record
    // changed since would be refused).
    writeFile(s.path(u"Magazzino.pro"_s), productBytes({}).repeated(3) + bytes);
    s.click("btnSalva");
    QCOMPARE(s.record(4), bytes);
}

void TestProductSheet::duplicate() {
    SheetFixture s;
    QVERIFY(s.showActive());
    s.click("btnDuplica");
    QCOMPARE(s.platform.lastKind(), Kind::Warning);
    QCOMPARE(s.platform.lastText(),
             QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo "
                            "che questa è stata inserita in archivio."));

    const QByteArray original = productBytes({{0, "D-1"},
                                              {1, "1,00"},
                                              {2, "Colla"},
                                              {3, "12"},
                                              {5, "Tubetto"},
                                              {6, "Colle"},
                                              {16, "2,00"},
                                              {17, "S\xEC"},
                                              {18, "scheda.pdf"},
                                              {21, "sicurezza"}});
    writeFile(s.path(u"Magazzino.pro"_s), original);
    s.click("cmdPrimo");
    s.screen->photo()->setPicture(QImage(40, 30, QImage::Format_RGB32));
    s.platform.clear();
    s.click("btnDuplica");
    QCOMPARE(s.platform.lastKind(), Kind::Information);
    QCOMPARE(
        s.platform.lastText(),
        QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente."
                       "\n\r\n\rAl termine premere Salva per inserire la scheda in archivio."));
    QCOMPARE(s.screen->findChild<QLabel*>(u"lblPosizione"_s)->text(), QString());
    QCOMPARE(s.screen->findChild<QLabel*>(u"lblFile01"_s)->text(), QString());
    QVERIFY(!s.screen->photo()->hasPhoto());
    QCOMPARE(QApplication::focusWidget(), s.f("txtCodice"));
    QCOMPARE(s.f("txtGiacenza")->text(), QStringLiteral("12"));

    s.click("btnSalva");
    QCOMPARE(s.platform.lastText(),
             QStringLiteral("La scheda corrente è stata inserita in archivio."));
    QCOMPARE(s.archive().size(), 2 * 2502);
    QCOMPARE(s.record(1), original);
    const QByteArray copy = s.record(2);
    QCOMPARE(bytesAt(copy, off::Codice, 25), field(25, "D-1"));
    QCOMPARE(bytesAt(copy, off::Giacenza, 4), field(4, "12"));
    QCOMPARE(bytesAt(copy, off::Pagato, 2), field(2, "S\xEC"));
    QCOMPARE(copy.mid(off::File01), productBytes({}).mid(off::File01)); // no attachments
}

void TestProductSheet::enterChain() {
    SheetFixture s;
    QVERIFY(s.showActive());
    const QStringList chain{u"txtCodice"_s,       u"txtCosto"_s,     u"txtNome"_s,
                            u"txtUM"_s,           u"txtTipologia"_s, u"txtCaratteristiche"_s,
                            u"txtCollocazione"_s, u"txtGiacenza"_s,  u"txtAvviso"_s,
                            u"txtDitta"_s,        u"txtAgente"_s,    u"txtRecapito"_s,
                            u"txtDocumento"_s,    u"txtPagamento"_s, u"txtDataSca"_s};
    QCOMPARE(QApplication::focusWidget(), s.f("txtCodice"));
    for (int i = 1; i < chain.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), chain[i]);
        if (chain[i] == QLatin1String("txtCosto")) {
            // Arriving by Enter selects the text: typing replaces the proposed 0,00.
            QTest::keyClicks(s.f("txtCosto"), u"0,35"_s);
            QCOMPARE(s.f("txtCosto")->text(), QStringLiteral("0,35"));
        }
    }
    s.f("txtNote")->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), s.f("txtNote"));
    QTest::keyClick(s.f("txtNote"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), s.f("txtPrezzo"));
    QTest::keyClick(s.f("txtPrezzo"), Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), s.f("txtCodice"));
    QCOMPARE(s.platform.shown.size(), 0);
}

void TestProductSheet::expiryDateKeysAndPicker() {
    SheetFixture s;
    QVERIFY(s.showActive());
    s.platform.clock = QDateTime(QDate(2025, 1, 7), QTime(9, 0));
    s.f("txtPagamento")->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), s.f("txtPagamento"));
    QTest::keyClick(s.f("txtPagamento"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), s.f("txtDataSca"));

    // Enter opens the picker on today's date; Importa writes it and closes the picker.
    bool ran = false;
    QString tag, caption;
    QDate shown;
    whenModal(
        [&](QWidget* w) {
            tag = w->findChild<QLabel*>(u"lblMemory"_s)->text();
            caption = w->windowTitle();
            shown = w->findChild<QCalendarWidget*>(u"calAppuntamenti"_s)->selectedDate();
            w->findChild<QPushButton*>(u"btnImportaData"_s)->click();
        },
        &ran);
    QTest::keyClick(s.f("txtDataSca"), Qt::Key_Return);
    QVERIFY(ran);
    QCOMPARE(tag, QStringLiteral("datasca"));
    QCOMPARE(caption, QStringLiteral(" Importazione data"));
    QCOMPARE(shown, QDate(2025, 1, 7));
    QCOMPARE(s.f("txtDataSca")->text(), QStringLiteral("07/01/2025"));
    QVERIFY(!QApplication::activeModalWidget());

    // Any other key opens it too; Annulla changes nothing.
    whenModal(
        [](QWidget* w) {
            auto* cal = w->findChild<QCalendarWidget*>(u"calAppuntamenti"_s);
            cal->setSelectedDate(QDate(2026, 2, 3));
            w->findChild<QPushButton*>(u"btnAnnulla"_s)->click();
        },
        &ran);
    QTest::keyClick(s.f("txtDataSca"), Qt::Key_X);
    QVERIFY(ran);
    QCOMPARE(s.f("txtDataSca")->text(), QStringLiteral("07/01/2025"));

    // Backspace and Delete empty the field; so does the picture beside it.
    QTest::keyClick(s.f("txtDataSca"), Qt::Key_Backspace);
    QCOMPARE(s.f("txtDataSca")->text(), QString());
    s.f("txtDataSca")->setText(QStringLiteral("01/02/2025"));
    QTest::keyClick(s.f("txtDataSca"), Qt::Key_Delete);
    QCOMPARE(s.f("txtDataSca")->text(), QString());
    s.f("txtDataSca")->setText(QStringLiteral("01/02/2025"));
    s.click("delDataSca");
    QCOMPARE(s.f("txtDataSca")->text(), QString());

    // The picker writes nowhere itself: it hands the date to whoever opened it.
    TfrmCalendario other(s.ctx, s.screen.get());
    other.setMemory(QStringLiteral("clienti"));
    other.calendar()->setSelectedDate(QDate(2026, 2, 3));
    other.findChild<QPushButton*>(u"btnImportaData"_s)->click();
    QCOMPARE(other.result(), int(QDialog::Accepted));
    QCOMPARE(other.selectedDate(), QDate(2026, 2, 3));
    QCOMPARE(s.f("txtDataSca")->text(), QString());
}

void TestProductSheet::stockFieldOpensInstructions() {
    SheetFixture s;
    QVERIFY(s.showActive());
    s.f("txtGiacenza")->setText(QStringLiteral("12"));
    s.f("txtGiacenza")->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), s.f("txtGiacenza"));
    bool ran = false;
    QString name;
    whenModal(
        [&](QWidget* w) {
            name = w->objectName();
            w->findChild<QPushButton*>(u"btnChiudi"_s)->click();
        },
        &ran);
    QTest::keyClick(s.f("txtGiacenza"), Qt::Key_A);
    QVERIFY(ran);
    QCOMPARE(name, QStringLiteral("TfrmIstruzioni"));
    QCOMPARE(s.f("txtGiacenza")->text(), QStringLiteral("12"));
    QVERIFY(s.showActive()); // back to the sheet, as the window manager would do
    QTRY_COMPARE(QApplication::focusWidget(), s.f("txtGiacenza"));
    QTest::keyClick(s.f("txtGiacenza"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), s.f("txtAvviso"));
}

void TestProductSheet::photoWrittenAtSaveAndLoadedWhenShown() {
    SheetFixture s;
    QVERIFY(s.showActive());
    // No photo set: the placeholder is what the product's photo file holds.
    s.fillRequired(u"P1"_s);
    s.click("btnSalva");
    const QImage first(s.path(u"Schedario/Prodotto_1.jpg"_s), "JPEG");
    QCOMPARE(first.size(), QSize(366, 274));

    QImage red(120, 80, QImage::Format_RGB32);
    red.fill(Qt::red);
    s.click("btnNuovo");
    s.fillRequired(u"P2"_s);
    s.screen->photo()->setPicture(red);
    s.click("btnSalva");
    const QImage second(s.path(u"Schedario/Prodotto_2.jpg"_s), "JPEG");
    QCOMPARE(second.size(), QSize(120, 80));
    QVERIFY(qRed(second.pixel(60, 40)) > 200 && qGreen(second.pixel(60, 40)) < 60);

    // Shown again: the photo of that position comes back; a missing file gives the placeholder.
    s.click("btnNuovo");
    QVERIFY(!s.screen->photo()->hasPhoto());
    s.click("cmdUltimo");
    QCOMPARE(s.screen->photo()->picture().size(), QSize(120, 80));
    // Saved again unchanged, the photo file is left as it is (no second JPEG encoding)...
    const QByteArray stored = readFile(s.path(u"Schedario/Prodotto_2.jpg"_s));
    s.click("btnSalva");
    QCOMPARE(readFile(s.path(u"Schedario/Prodotto_2.jpg"_s)), stored);
    // ...while a new picture replaces it.
    QImage green(30, 30, QImage::Format_RGB32);
    green.fill(Qt::green);
    s.screen->photo()->setPicture(green);
    s.click("btnSalva");
    QCOMPARE(QImage(s.path(u"Schedario/Prodotto_2.jpg"_s), "JPEG").size(), QSize(30, 30));
    s.screen->photo()->setPicture(red);
    s.click("btnSalva");
    QVERIFY(QFile::remove(s.path(u"Schedario/Prodotto_2.jpg"_s)));
    s.click("cmdPrimo");
    s.click("cmdAvanti");
    QVERIFY(!s.screen->photo()->hasPhoto());
    QCOMPARE(s.platform.shown.size(), 5); // the save notices, nothing about photos
}

QTEST_MAIN(TestProductSheet)
#include "TestProductSheet.moc"
