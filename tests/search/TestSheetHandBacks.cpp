#include "attachments/PhotoBox.h"
#include "storage/Layouts.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "summaries/TfrmMenuRiepilogo.h"
#include "warehouse/WarehouseFixture.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QPushButton>

using namespace dp;
using namespace dp::test;
using namespace Qt::StringLiterals;

namespace {

void doubleClickFirst(QWidget* screen) {
    auto* list = screen->findChild<QListView*>(u"lstRecords"_s);
    const QModelIndex index = list->model()->index(0, 0);
    list->setCurrentIndex(index);
    Q_EMIT list->doubleClicked(index);
}

} // namespace

class TestSheetHandBacks : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { dp::test::failOnQtWarnings(); }
    // A load registered on a sheet that was then not saved: the stock check lists that
    // product alone, and a double click brings it up on the product sheet in place of the
    // inventory selection screen the check was opened from.
    void stockCheckCallsTheProductUp() {
        SheetFixture s;
        writeFile(s.path(u"Magazzino.pro"_s),
                  productBytes({{Prodotto::Codice, "V1"}, {Prodotto::Giacenza, "5"}}) +
                      productBytes({{Prodotto::Codice, "V2"}, {Prodotto::Giacenza, "0"}}));
        RecordFile loads(s.path(u"Operazioni_Carico.pro"_s), TMovimento);
        for (const char* code : {"V1", "V2"}) {
            Record m(TMovimento);
            m.setText(Movimento::Codice, QString::fromLatin1(code));
            m.setText(Movimento::Aggiunta, u"5");
            loads.append(m);
        }
        loads.close();
        TfrmMenuRiepilogo from(s.ctx);
        from.show();
        bool ran = false;
        whenModal(
            [](QWidget* check) {
                auto* list = check->findChild<QListView*>(u"lstRecords"_s);
                QCOMPARE(list->model()->rowCount(), 1);
                QVERIFY(list->model()->index(0, 0).data().toString().contains(u"V2"_s));
                QVERIFY(
                    check->findChild<QLabel*>(u"panInfo"_s)
                        ->text()
                        .startsWith(
                            u"1 prodotto con giacenza diversa dai movimenti, su 2 prodotti e 2 movimenti."_s));
                doubleClickFirst(check);
            },
            &ran);
        from.findChild<QPushButton*>(u"btnVerifica"_s)->click();
        QVERIFY(ran);
        QVERIFY(s.screen->isVisible());
        QVERIFY(from.isHidden());
        QCOMPARE(s.f("txtCodice")->text(), u"V2"_s);
        QCOMPARE(s.screen->findChild<QLabel*>(u"lblPosizione"_s)->text(), u"2"_s);
        QCOMPARE(readFile(s.path(u"Magazzino.pro"_s)).size(), 2 * 2502); // nothing written
    }

    // The supplier search opened from the product sheet brings over four fields only.
    void supplierImportTouchesFourFields() {
        SheetFixture s;
        writeFile(s.path(u"Magazzino.pro"_s),
                  productBytes({{0, "VITE-8"}, {9, "Vecchia ditta"}, {15, "nota"}}));
        using namespace Fornitore;
        writeFile(s.path(u"Fornitori.pro"_s),
                  recordBytes(TSchedaFornitore, {{Ditta, "Ferro Spa"},
                                                 {Titolare, "Mario Neri"},
                                                 {Recapito, "02 555"},
                                                 {Pagamento, "Bonifico a 30 giorni"},
                                                 {Note, "non copiare"}}));
        QVERIFY(s.showActive());
        s.click("cmdPrimo");
        bool ran = false;
        whenModal(
            [](QWidget* search) {
                search->findChild<QPushButton*>(u"btnCerca"_s)->click();
                doubleClickFirst(search);
            },
            &ran);
        s.screen->findChild<QToolButton*>(u"impFornitore"_s)->click();
        QVERIFY(ran);
        QCOMPARE(s.f("txtDitta")->text(), u"Ferro Spa"_s);
        QCOMPARE(s.f("txtAgente")->text(), u"Mario Neri"_s);
        QCOMPARE(s.f("txtRecapito")->text(), u"02 555"_s);
        QCOMPARE(s.f("txtPagamento")->text(), u"Bonifico a 30 giorni"_s);
        QCOMPARE(s.f("txtCodice")->text(), u"VITE-8"_s);
        QCOMPARE(s.f("txtNote")->text(), u"nota"_s);
        QCOMPARE(s.screen->findChild<QLabel*>(u"lblPosizione"_s)->text(), u"1"_s);
    }

    // A product at its warning level is in "Sottoscorta"; a double click shows it on the
    // sheet, with the photo of its position.
    void lowStockPickShowsTheProduct() {
        SheetFixture s;
        writeFile(s.path(u"Magazzino.pro"_s),
                  productBytes({{0, "PIENO"}, {3, "9"}, {4, "1"}}) +
                      productBytes({{0, "AL-LIMITE"}, {3, "4"}, {4, "4"}, {15, "riordinare"}}));
        QVERIFY(QDir(s.dir.path()).mkpath(u"Schedario"_s));
        QImage photo(16, 12, QImage::Format_RGB32);
        photo.fill(Qt::darkGreen);
        QVERIFY(photo.save(s.path(u"Schedario/Prodotto_2.jpg"_s), "JPEG"));
        QVERIFY(s.showActive());
        bool ran = false;
        QStringList lines;
        whenModal(
            [&lines](QWidget* list) {
                QCOMPARE(list->objectName(), u"TfrmSottoscorta"_s);
                auto* view = list->findChild<QListView*>(u"lstRecords"_s);
                for (int i = 0; i < view->model()->rowCount(); ++i)
                    lines.append(view->model()->index(i, 0).data().toString());
                doubleClickFirst(list);
            },
            &ran);
        s.click("btnSottoscorta");
        QVERIFY(ran);
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines[0].startsWith(u"Cod. AL-LIMITE "_s));
        QCOMPARE(s.f("txtCodice")->text(), u"AL-LIMITE"_s);
        QCOMPARE(s.f("txtNote")->text(), u"riordinare"_s);
        QCOMPARE(s.screen->findChild<QLabel*>(u"lblPosizione"_s)->text(), u"2"_s);
        QVERIFY(s.screen->photo()->hasPhoto());
        QCOMPARE(s.screen->photo()->picture().size(), QSize(16, 12));
    }
};

QTEST_MAIN(TestSheetHandBacks)
#include "TestSheetHandBacks.moc"
