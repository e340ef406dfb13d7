#include "search/RecordListScreen.h"
#include "search/SearchScreen.h"
#include "storage/Layouts.h"
#include "storage/StorageError.h"
#include "support/FakePlatform.h"
#include "support/PdfText.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"
#include "ui/HandBack.h"
#include "ui/LineListModel.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace dp;
using namespace dp::search;
using namespace Qt::StringLiterals;
using Kind = test::FakePlatform::Kind;
using test::field;
using test::recordBytes;

namespace {

using Values = QList<QPair<int, QByteArray>>;

// Where picked records go: every record shown, in order, with its position.
struct Receiver final : RecordReceiver {
    QList<QPair<qint64, QString>> shown; // position, first field
    void showRecord(const Record& record, qint64 position) override {
        shown.append({position, record.text(0)});
    }
};

struct Fixture {
    QTemporaryDir dir;
    test::FakePlatform platform{dir.path()};
    AppContext ctx{platform};
    Receiver receiver;

    QString path(const RecordLayout& layout) const { return dir.filePath(layout.file()); }
};

template <class T> T* child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QLatin1String(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

QStringList linesOf(QWidget* screen) {
    return static_cast<LineListModel*>(child<QListView>(screen, "lstRecords")->model())->lines();
}

// As the window system delivers it: a first click, then the double click on the same line
// (the list only takes a double click on the line it saw pressed).
void doubleClickRow(QWidget* screen, int row) {
    auto* list = child<QListView>(screen, "lstRecords");
    const QRect line = list->visualRect(list->model()->index(row, 0));
    QVERIFY(!line.isEmpty());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line.center());
}

} // namespace

class TestListScreens : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { dp::test::failOnQtWarnings(); }
    // Two products give the same line; the one double-clicked is the one handed back.
    void lowStockPicksTheRecordClicked() {
        Fixture fx;
        using namespace Prodotto;
        test::writeFile(
            fx.path(TSchedaProdotto),
            recordBytes(TSchedaProdotto,
                        {{Codice, "B"}, {Giacenza, "2"}, {Avviso, "5"}, {Note, "prima"}}) +
                recordBytes(TSchedaProdotto, {{Codice, "A"}, {Giacenza, "9"}, {Avviso, "1"}}) +
                recordBytes(TSchedaProdotto,
                            {{Codice, "B"}, {Giacenza, "2"}, {Avviso, "5"}, {Note, "seconda"}}));
        for (int row : {0, 1}) {
            RecordListScreen screen(fx.ctx, nullptr, lowStockList());
            screen.setReceiver(&fx.receiver);
            screen.show();
            QCOMPARE(screen.objectName(), u"TfrmSottoscorta"_s);
            QCOMPARE(screen.windowTitle(), u" Materiali in esaurimento"_s);
            QCOMPARE(linesOf(&screen).size(), 2);
            QCOMPARE(linesOf(&screen)[0], linesOf(&screen)[1]);
            doubleClickRow(&screen, row);
            QVERIFY(!screen.isVisible());
        }
        QCOMPARE(fx.receiver.shown, (QList<QPair<qint64, QString>>{{1, u"B"_s}, {3, u"B"_s}}));
        QVERIFY(fx.platform.shown.isEmpty());
    }

    // A stock that is no number ends the list and says where; an unreadable archive says so.
    void incompleteListsAreTold() {
        Fixture fx;
        using namespace Prodotto;
        test::writeFile(
            fx.path(TSchedaProdotto),
            recordBytes(TSchedaProdotto, {{Codice, "A"}, {Giacenza, "0"}, {Avviso, "0"}}) +
                recordBytes(TSchedaProdotto, {{Codice, "B"}, {Giacenza, "tre"}, {Avviso, "0"}}));
        {
            RecordListScreen screen(fx.ctx, nullptr, lowStockList());
            screen.show();
            QTRY_COMPARE(fx.platform.shown.size(), 1);
            QCOMPARE(fx.platform.lastKind(), Kind::Warning);
            QCOMPARE(fx.platform.lastText(),
                     u"Attenzione: la scheda in posizione 2 dell'archivio ha un valore di giacenza "
                     u"non numerico (\"tre\").\n\r\n\rL'elenco è incompleto: comprende soltanto le "
                     u"schede registrate prima di quella posizione."_s);
            QCOMPARE(linesOf(&screen).size(), 1);
        }
        fx.platform.clear();
        test::writeFile(fx.path(TSchedaCliente), {});
        QFile::setPermissions(fx.path(TSchedaCliente), QFileDevice::ReadOwner);
        test::Unprivileged nobody;
        test::expectStorageLog(u"Clienti.pro"_s);
        RecordListScreen screen(fx.ctx, nullptr, customerRecontactList());
        screen.show();
        QTRY_COMPARE(fx.platform.shown.size(), 1);
        QCOMPARE(fx.platform.lastKind(), Kind::Error);
        QCOMPARE(fx.platform.lastText(), test::kArchiveErrorNotice);
    }

    void findOnEmptyList() {
        Fixture fx;
        RecordListScreen screen(fx.ctx, nullptr, supplierRecontactList());
        screen.show();
        child<QPushButton>(&screen, "btnTrova")->click();
        QCOMPARE(fx.platform.lastKind(), Kind::Message);
        QCOMPARE(fx.platform.lastText(),
                 u"Ricerca non applicabile: la lista non contiene nessuna voce."_s);
    }

    // A search on two fields: the criteria panel, the count, the result panel, the pick.
    void searchOnTwoFields() {
        Fixture fx;
        using namespace Cliente;
        test::writeFile(
            fx.path(TSchedaCliente),
            recordBytes(TSchedaCliente, {{Cognome, "Rossini"}, {ComuneRes, "Roma"}}) +
                recordBytes(TSchedaCliente, {{Cognome, "Rossi"}, {ComuneRes, "Milano"}}) +
                recordBytes(TSchedaCliente, {{Cognome, "Derossi"}, {ComuneRes, "Roma Nord"}}));
        SearchScreen screen(fx.ctx, nullptr, customerSearch());
        screen.setMemory(u"clienti"_s);
        screen.setReceiver(&fx.receiver);
        screen.show();
        screen.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        QWidget* avvio = child<QWidget>(&screen, "panAvvio");
        QVERIFY(avvio->isVisible());
        QVERIFY(!child<QListView>(&screen, "lstRecords")->isVisible());
        QTRY_VERIFY(child<QLineEdit>(&screen, "txtCognome")->hasFocus());

        // Enter walks the ten criteria and comes back to the first; each has its frame.
        QTest::keyClicks(child<QLineEdit>(&screen, "txtCognome"), u"ROSSI"_s);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"txtComuneRes"_s);
        QVERIFY(child<QWidget>(&screen, "effComuneRes")->isVisible());
        QTest::keyClicks(QApplication::focusWidget(), u"roma"_s);
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"txtCognome"_s);

        // The press shows the waiting notice; the release must still land on the button.
        QTest::mouseClick(child<QPushButton>(&screen, "btnCerca"), Qt::LeftButton);
        QVERIFY(!avvio->isVisible());
        QCOMPARE(child<QLabel>(&screen, "lblConta")->text(), u"2"_s);
        QCOMPARE(child<QLabel>(&screen, "lblTrovate")->text(),
                 u"Il presente riepilogo contiene 2 schede."_s);
        const QStringList lines = linesOf(&screen);
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].startsWith(u"Derossi "_s));
        QVERIFY(lines[1].startsWith(u"Rossini "_s));
        QVERIFY(child<QLineEdit>(&screen, "txtTrova")->hasFocus());
        doubleClickRow(&screen, 1);
        QCOMPARE(fx.receiver.shown, (QList<QPair<qint64, QString>>{{1, u"Rossini"_s}}));
    }

    // A search that cannot read the archive keeps the criteria panel and hides the waiting notice.
    void searchOnUnreadableArchive() {
        Fixture fx;
        test::writeFile(fx.path(TSchedaFornitore), {});
        QFile::setPermissions(fx.path(TSchedaFornitore), QFileDevice::ReadOwner);
        SearchScreen screen(fx.ctx, nullptr, supplierSearch());
        screen.show();
        {
            test::Unprivileged nobody;
            test::expectStorageLog(u"Fornitori.pro"_s);
            child<QPushButton>(&screen, "btnCerca")->click();
        }
        QCOMPARE(fx.platform.lastKind(), Kind::Error);
        QCOMPARE(fx.platform.lastText(), test::kArchiveErrorNotice);
        QVERIFY(child<QWidget>(&screen, "panAvvio")->isVisible());
        QVERIFY(!child<QLabel>(&screen, "lblAttendere")->isVisible());
    }

    // The printed list: the screen's title over its lines.
    void printsTitleAndLines() {
        Fixture fx;
        test::writeFile(
            fx.path(TSchedaProdotto),
            recordBytes(TSchedaProdotto, {{Prodotto::Codice, "VITE-8"}, {Prodotto::Pagato, "No"}}));
        fx.platform.printToPdf = fx.dir.filePath(u"lista.pdf"_s);
        RecordListScreen screen(fx.ctx, nullptr, unpaidList());
        screen.show();
        child<QPushButton>(&screen, "btnStampa")->click();
        QCOMPARE(fx.platform.printDialogs, 1);
        const QString text = test::pdfText(fx.platform.printToPdf);
        QVERIFY2(text.contains(u"Riepilogo pagamenti non saldati"_s), qPrintable(text));
        QVERIFY(text.contains(u"Cod. VITE-8"_s));
        QVERIFY(text.contains(u"Stampa eseguita in data 05/03/2024"_s));
    }
};

QTEST_MAIN(TestListScreens)
#include "TestListScreens.moc"
