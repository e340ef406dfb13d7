#include "app/TfrmAvvio.h"
#include "registry/TfrmClienti.h"
#include "registry/TfrmFornitori.h"
#include "storage/Layouts.h"
#include "support/FakePlatform.h"
#include "support/Modal.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"
#include "warehouse/TfrmMagazzino.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace dp;
using namespace dp::test;
using namespace Qt::StringLiterals;

namespace {

QString plain(const QLabel* label) {
    QTextDocument doc;
    doc.setHtml(label->text());
    return doc.toPlainText();
}

} // namespace

// The line of what needs doing, under the main menu's cards.
class TestReminders : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<AppContext> m_ctx;
    std::unique_ptr<TfrmAvvio> m_menu;
    std::unique_ptr<TfrmMagazzino> m_products;
    std::unique_ptr<TfrmClienti> m_customers;
    std::unique_ptr<TfrmFornitori> m_suppliers;

    QLabel* line() const { return m_menu->findChild<QLabel*>(u"lblPromemoria"_s); }
    QString path(const RecordLayout& layout) const { return m_dir.filePath(layout.file()); }

    // Something to do in every part, once each but the low stock; today is 10/12/2026.
    void writeFixture() {
        using namespace Prodotto;
        writeFile(
            path(TSchedaProdotto),
            recordBytes(TSchedaProdotto,
                        {{Codice, "A1"}, {Giacenza, "1"}, {Avviso, "3"}, {Pagato, "S\xec"}}) +
                recordBytes(TSchedaProdotto,
                            {{Codice, "B2"}, {Giacenza, "2"}, {Avviso, "2"}, {Pagato, "No"}}) +
                recordBytes(TSchedaProdotto,
                            {{Codice, "C3"}, {Giacenza, "9"}, {Avviso, "2"}, {Pagato, "S\xec"}}));
        writeFile(path(TSchedaCliente),
                  recordBytes(TSchedaCliente,
                              {{Cliente::Cognome, "Rossi"}, {Cliente::DataSca, "09/01/2027"}}) +
                      recordBytes(TSchedaCliente, {{Cliente::Cognome, "Bianchi"},
                                                   {Cliente::DataSca, "10/01/2027"},
                                                   {Cliente::Ricontatta, "S\xec"}}));
        writeFile(path(TSchedaFornitore),
                  recordBytes(TSchedaFornitore,
                              {{Fornitore::Ditta, "Legno Srl"}, {Fornitore::Ricontatta, "No"}}) +
                      recordBytes(TSchedaFornitore, {{Fornitore::Ditta, "Ferro Spa"},
                                                     {Fornitore::Ricontatta, "S\xec"}}));
    }

  private Q_SLOTS:
    void init() {
        dp::test::failOnQtWarnings();
        QVERIFY(m_dir.isValid());
        for (const QString& f : QDir(m_dir.path()).entryList(QDir::Files))
            QFile::remove(m_dir.filePath(f));
        m_platform = std::make_unique<FakePlatform>(m_dir.path());
        m_platform->clock = QDateTime(QDate(2026, 12, 10), QTime(9, 0));
        m_ctx = std::make_unique<AppContext>(*m_platform);
        m_menu = std::make_unique<TfrmAvvio>(*m_ctx);
        m_products = std::make_unique<TfrmMagazzino>(*m_ctx);
        m_customers = std::make_unique<TfrmClienti>(*m_ctx);
        m_suppliers = std::make_unique<TfrmFornitori>(*m_ctx);
        for (QWidget* w :
             {static_cast<QWidget*>(m_menu.get()), static_cast<QWidget*>(m_products.get()),
              static_cast<QWidget*>(m_customers.get()), static_cast<QWidget*>(m_suppliers.get())})
            m_ctx->registerScreen(w);
    }
    void cleanup() {
        m_suppliers.reset();
        m_customers.reset();
        m_products.reset();
        m_menu.reset();
        m_ctx.reset();
        m_platform.reset();
    }

    void nothingToDoShowsNothing() {
        m_menu->show();
        QTest::qWait(200);
        QVERIFY(line()->isHidden());
    }

    // Counted after the menu is up; singular and plural; the document due on day 30
    // counts, the one on day 31 does not.
    void countsAreShown() {
        writeFixture();
        m_menu->show();
        QTRY_VERIFY(line()->isVisible());
        QCOMPARE(plain(line()),
                 u"Da fare: 2 articoli sottoscorta  ·  1 acquisto da saldare  ·  1 cliente da "
                 "ricontattare  ·  1 fornitore da ricontattare  ·  1 documento di identità "
                 "scaduto o in scadenza"_s);
    }

    // Back at the menu while the count begun at the last return still runs (its result not
    // yet handed over): the line ends up with counts taken after this return.
    void returnWhileCountingIsCountedAgain() {
        m_menu->show();
        QThread::msleep(200); // the first count reads the empty folder meanwhile
        writeFixture();
        m_menu->hide();
        m_menu->show();
        QTRY_VERIFY(line()->isVisible());
        QVERIFY(plain(line()).startsWith(u"Da fare: 2 articoli sottoscorta"_s));
    }

    // Each part opens its own list over the sheet it belongs to, in place of the menu, and
    // the record picked there comes up on that sheet.
    void eachLinkOpensItsListOverItsSheet_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("picked"); // from the last line
        QTest::newRow("low stock") << u"sottoscorta"_s << u"TfrmSottoscorta"_s << u"TfrmMagazzino"_s
                                   << 2 << u"txtCodice"_s << u"B2"_s;
        QTest::newRow("unpaid") << u"dasaldare"_s << u"TfrmDaSaldare"_s << u"TfrmMagazzino"_s << 1
                                << u"txtCodice"_s << u"B2"_s;
        QTest::newRow("customers to call back")
            << u"ricontattaclienti"_s << u"TfrmRicontatta"_s << u"TfrmClienti"_s << 1
            << u"txtCognome"_s << u"Bianchi"_s;
        QTest::newRow("suppliers to call back")
            << u"ricontattafornitori"_s << u"TfrmRicontattaFor"_s << u"TfrmFornitori"_s << 1
            << u"txtDitta"_s << u"Ferro Spa"_s;
        QTest::newRow("expiring documents")
            << u"documenti"_s << u"TfrmDocumentiScadenza"_s << u"TfrmClienti"_s << 1
            << u"txtCognome"_s << u"Rossi"_s;
    }
    void eachLinkOpensItsListOverItsSheet() {
        QFETCH(QString, link);
        QFETCH(QString, list);
        QFETCH(QString, sheet);
        QFETCH(int, rows);
        QFETCH(QString, field);
        QFETCH(QString, picked);
        writeFixture();
        m_menu->show();
        QTRY_VERIFY(line()->isVisible());
        QWidget* over = m_ctx->screen(sheet);
        QVERIFY(over);
        QString opened;
        test::whileModal([&] { Q_EMIT line()->linkActivated(link); },
                         [&](QWidget* shown) {
                             opened = shown->objectName();
                             QCOMPARE(shown->parentWidget(), over);
                             QVERIFY(over->isVisible());
                             QVERIFY(!m_menu->isVisible());
                             auto* view = shown->findChild<QListView*>(u"lstRecords"_s);
                             QCOMPARE(view->model()->rowCount(), rows);
                             const QModelIndex last = view->model()->index(rows - 1, 0);
                             view->setCurrentIndex(last);
                             Q_EMIT view->doubleClicked(last);
                         });
        QCOMPARE(opened, list);
        QCOMPARE(over->findChild<QLineEdit*>(field)->text(), picked);
    }
};

QTEST_MAIN(TestReminders)
#include "TestReminders.moc"
