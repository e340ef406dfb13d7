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

    // Counted after the menu is up; singular and plural; a zero count is left out; the
    // document due on day 30 counts, the one on day 31 does not.
    void countsOpenTheirListsOverTheSheet() {
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
        m_menu->show();
        QTRY_VERIFY(line()->isVisible());
        QCOMPARE(plain(line()),
                 u"Da fare: 2 articoli sottoscorta  ·  1 acquisto da saldare  ·  1 cliente da "
                 "ricontattare  ·  1 documento di identità scaduto o in scadenza"_s);

        // The low-stock list comes up over the product sheet; the pick lands there.
        QString opened;
        test::whileModal([&] { Q_EMIT line()->linkActivated(u"sottoscorta"_s); },
                         [&](QWidget* list) {
                             opened = list->objectName();
                             QVERIFY(m_products->isVisible());
                             QVERIFY(!m_menu->isVisible());
                             auto* view = list->findChild<QListView*>(u"lstRecords"_s);
                             QCOMPARE(view->model()->rowCount(), 2);
                             const QModelIndex second = view->model()->index(1, 0);
                             view->setCurrentIndex(second);
                             Q_EMIT view->doubleClicked(second);
                         });
        QCOMPARE(opened, u"TfrmSottoscorta"_s);
        QCOMPARE(m_products->findChild<QLineEdit*>(u"txtCodice"_s)->text(), u"B2"_s);

        // The documents list over the customer sheet holds Rossi only.
        m_products->hide();
        test::whileModal(
            [&] { Q_EMIT line()->linkActivated(u"documenti"_s); },
            [&](QWidget* list) {
                opened = list->objectName();
                QVERIFY(m_customers->isVisible());
                auto* view = list->findChild<QListView*>(u"lstRecords"_s);
                QCOMPARE(view->model()->rowCount(), 1);
                QVERIFY(view->model()->index(0, 0).data().toString().startsWith(u"Rossi"_s));
            });
        QCOMPARE(opened, u"TfrmDocumentiScadenza"_s);
    }
};

QTEST_MAIN(TestReminders)
#include "TestReminders.moc"
