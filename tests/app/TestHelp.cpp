#include "app/HelpTopics.h"
#include "app/PasswordStore.h"
#include "app/TfrmAvvio.h"
#include "backup/TfrmCopiaSicurezza.h"
#include "registry/TfrmClienti.h"
#include "registry/TfrmFornitori.h"
#include "search/RecordListScreen.h"
#include "search/RecordLists.h"
#include "search/SearchScreen.h"
#include "summaries/MovementSummaryConfig.h"
#include "summaries/MovementSummaryList.h"
#include "summaries/TfrmMenuRiepilogo.h"
#include "summaries/TfrmRiepilogo.h"
#include "support/FakePlatform.h"
#include "support/Modal.h"
#include "support/PdfText.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"
#include "ui/LinkLabel.h"
#include "ui/TfrmGuida.h"
#include "warehouse/TfrmMagazzino.h"
#include "warehouse/TfrmVerificaGiacenze.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

using namespace dp;
using namespace dp::test;
using namespace Qt::StringLiterals;

namespace {

using Factory = std::function<QWidget*(AppContext&)>;

struct HelpButton {
    const char* row;
    Factory screen;
    const char16_t* button;
    const char16_t* title;
    const char16_t* fragment; // a sentence only this topic's text holds
};

template <const search::RecordListConfig& (*def)()> QWidget* recordList(AppContext& c) {
    return new RecordListScreen(c, nullptr, def());
}

template <const search::SearchConfig& (*def)()> QWidget* searchScreen(AppContext& c) {
    return new SearchScreen(c, nullptr, def());
}

const HelpButton kButtons[] = {
    {"main menu", [](AppContext& c) -> QWidget* { return new TfrmAvvio(c); }, u"imgGuida",
     u"Uno sguardo a Depotta.", u"Al primo accesso la password è DEPOTTA."},
    {"backup", [](AppContext& c) -> QWidget* { return new TfrmCopiaSicurezza(c, nullptr); },
     u"cmdGuida", u"Uno sguardo a Depotta.", u"Ripristina da una copia..."},
    {"products", [](AppContext& c) -> QWidget* { return new TfrmMagazzino(c); }, u"btnGuida",
     u"Applicazione Magazzino Prodotti.", u"si aggiorna soltanto con i pulsanti + e -"},
    {"customers", [](AppContext& c) -> QWidget* { return new TfrmClienti(c); }, u"cmdGuida",
     u"Applicazione Anagrafica Clienti.", u"rubrica completa dei clienti"},
    {"suppliers", [](AppContext& c) -> QWidget* { return new TfrmFornitori(c); }, u"cmdGuida",
     u"Applicazione Anagrafica Fornitori.", u"importare nelle schede dei prodotti"},
    {"inventory selection", [](AppContext& c) -> QWidget* { return new TfrmMenuRiepilogo(c); },
     u"imgGuida", u"Applicazione Inventario Merce.",
     u"costo unitario moltiplicato per la giacenza"},
    {"inventory list", [](AppContext& c) -> QWidget* { return new TfrmRiepilogo(c, nullptr); },
     u"imgGuida", u"Applicazione Inventario Merce.",
     u"costo unitario moltiplicato per la giacenza"},
    {"load summary",
     [](AppContext& c) -> QWidget* {
         return new MovementSummaryList(c, nullptr, summaries::kLoadSummary);
     },
     u"imgGuida", u"Applicazione Riepilogo Movimenti.", u"stesso anno solare"},
    {"unload summary",
     [](AppContext& c) -> QWidget* {
         return new MovementSummaryList(c, nullptr, summaries::kUnloadSummary);
     },
     u"imgGuida", u"Applicazione Riepilogo Movimenti.", u"stesso anno solare"},
    {"stock check", [](AppContext& c) -> QWidget* { return new TfrmVerificaGiacenze(c, nullptr); },
     u"imgGuida", u"Applicazione Inventario Merce.", u"Il pulsante Verifica giacenze controlla"},
    {"low-stock list", recordList<search::lowStockList>, u"imgGuida",
     u"Applicazione Magazzino Prodotti.", u"Il pulsante Sottoscorta elenca"},
    {"unpaid list", recordList<search::unpaidList>, u"imgGuida",
     u"Applicazione Magazzino Prodotti.", u"Da saldare elenca gli articoli"},
    {"customers to call back", recordList<search::customerRecontactList>, u"imgGuida",
     u"Applicazione Anagrafica Clienti.", u"elenco dei clienti da ricontattare"},
    {"suppliers to call back", recordList<search::supplierRecontactList>, u"imgGuida",
     u"Applicazione Anagrafica Fornitori.", u"elenco dei fornitori da ricontattare"},
    {"expiring documents",
     [](AppContext& c) -> QWidget* {
         static const search::RecordListConfig def =
             search::expiringDocumentList(QDate(2026, 12, 10));
         return new RecordListScreen(c, nullptr, def);
     },
     u"imgGuida", u"Applicazione Anagrafica Clienti.", u"scadono entro 30 giorni"},
    {"product search", searchScreen<search::productSearch>, u"imgGuida",
     u"Applicazione Magazzino Prodotti.", u"vengono elencate le schede che le contengono tutte"},
    {"customer search", searchScreen<search::customerSearch>, u"imgGuida",
     u"Applicazione Anagrafica Clienti.", u"ricerca nell'archivio dei clienti"},
    {"supplier search", searchScreen<search::supplierSearch>, u"imgGuida",
     u"Applicazione Anagrafica Fornitori.", u"ricerca nell'archivio dei fornitori"},
};

// Every topic's title, in the order of the printed guide.
const char16_t* const kTitles[] = {
    u"Uno sguardo a Depotta.",
    u"Applicazione Magazzino Prodotti.",
    u"Applicazione Anagrafica Clienti.",
    u"Applicazione Anagrafica Fornitori.",
    u"Applicazione Inventario Merce.",
    u"Applicazione Riepilogo Movimenti.",
    u"Esportazione magazzino prodotti in Microsoft Excel.",
    u"Esportazione archivio clienti in Microsoft Excel.",
    u"Esportazione archivio fornitori in Microsoft Excel.",
    u"Esportazione archivio movimenti di carico merce in Microsoft Excel.",
    u"Esportazione archivio movimenti di scarico merce in Microsoft Excel.",
};

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<AppContext> m_ctx;

    QString guide() const { return m_dir->filePath(u"Guida.pdf"_s); }

  private Q_SLOTS:
    void init() {
        dp::test::failOnQtWarnings();
        m_dir = std::make_unique<QTemporaryDir>();
        m_platform = std::make_unique<FakePlatform>(m_dir->path());
        m_ctx = std::make_unique<AppContext>(*m_platform);
    }

    void everyHelpButtonOpensItsTopic_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kButtons)); ++i)
            QTest::newRow(kButtons[i].row) << i;
    }
    void everyHelpButtonOpensItsTopic() {
        QFETCH(int, index);
        const HelpButton& h = kButtons[index];
        std::unique_ptr<QWidget> screen(h.screen(*m_ctx));
        auto* button = screen->findChild<QAbstractButton*>(QString::fromUtf16(h.button));
        QVERIFY(button);
        QVERIFY(button->isEnabled());

        // Twice: each opening is a fresh viewer that starts at the top of its text and is
        // gone once closed.
        for (int opening = 0; opening < 2; ++opening) {
            QPointer<QWidget> viewer;
            whileModal([&] { button->click(); },
                       [&](QWidget* modal) {
                           viewer = modal;
                           QCOMPARE(modal->objectName(), u"TfrmGuida"_s);
                           QCOMPARE(modal->parentWidget(), screen.get());
                           QCOMPARE(modal->findChild<QLabel*>(u"lblTitolo"_s)->text(),
                                    QString::fromUtf16(h.title));
                           auto* text = modal->findChild<QPlainTextEdit*>(u"txtGuida"_s);
                           QVERIFY(text->isReadOnly());
                           QVERIFY(text->toPlainText().contains(QString::fromUtf16(h.fragment)));
                           QCOMPARE(text->verticalScrollBar()->value(), 0);
                           // Scrolled away: the next opening must not start here.
                           text->verticalScrollBar()->setValue(
                               text->verticalScrollBar()->maximum());
                       });
            QVERIFY(viewer.isNull());
        }
    }

    void viewerFrame() {
        TfrmGuida viewer(*m_ctx, nullptr);
        QCOMPARE(viewer.windowTitle(), u" Guida all'utilizzo del software"_s);
        QCOMPARE(viewer.findChild<QLabel*>(u"lblTitolo"_s)->text(), u"Argomento della guida."_s);
        viewer.show();
        QCOMPARE(viewer.size(), QSize(676, 598));
        QVERIFY(!(viewer.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(viewer.findChild<QLabel*>(u"imgPDF"_s));
        auto* chiudi = viewer.findChild<QAbstractButton*>(u"btnChiudi"_s);
        QCOMPARE(chiudi->text(), u"Chiudi"_s);
        chiudi->click();
        QVERIFY(viewer.isHidden());
    }

    // The link opens the guide beside the program as a file location; when the guide is
    // missing or nothing can show it, the user is told so in Italian.
    void pdfLink_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("reader");
        QTest::addColumn<bool>("handed");
        QTest::addColumn<QString>("message");
        QTest::newRow("opened") << true << true << true << QString();
        QTest::newRow("missing") << false << true << false
                                 << u"Attenzione: la guida in formato PDF (file Guida.pdf) non è "
                                    u"presente nella cartella del programma. Si consiglia di "
                                    u"reinstallare il software."_s;
        QTest::newRow("no reader") << true << false << true
                                   << u"Attenzione: non è stato possibile aprire la guida in "
                                      u"formato PDF. Verificare che sia installato un programma "
                                      u"per la lettura dei file PDF."_s;
    }
    void pdfLink() {
        QFETCH(bool, present);
        QFETCH(bool, reader);
        QFETCH(bool, handed);
        QFETCH(QString, message);
        if (present)
            writeFile(guide(), "%PDF-1.4\n");
        m_platform->openAnswer = reader;
        TfrmGuida viewer(*m_ctx, nullptr);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QTest::mouseClick(viewer.findChild<QLabel*>(u"lnkWeb"_s), Qt::LeftButton);
        QCOMPARE(m_platform->opened,
                 handed ? QStringList{QUrl::fromLocalFile(guide()).toString()} : QStringList());
        QCOMPARE(m_platform->lastText(), message);
        QCOMPARE(m_platform->shown.size(), message.isEmpty() ? 0 : 1);
    }

    // Held down, the link (or its picture) turns orange; let go it is dark blue again, and
    // only a release over what was pressed follows the link.
    void linkColours() {
        writeFile(guide(), "%PDF-1.4\n");
        TfrmGuida viewer(*m_ctx, nullptr);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        auto* link = viewer.findChild<LinkLabel*>(u"lnkWeb"_s);
        auto* picture = viewer.findChild<QLabel*>(u"imgPDF"_s);
        auto colour = [&] {
            link->ensurePolished();
            return link->palette().color(QPalette::WindowText);
        };
        const QColor blue(0, 0, 139);
        const QColor orange(255, 165, 0);
        QCOMPARE(colour(), blue);
        QTest::mousePress(picture, Qt::LeftButton);
        QCOMPARE(colour(), orange);
        QVERIFY(m_platform->opened.isEmpty());
        QTest::mouseRelease(picture, Qt::LeftButton);
        QCOMPARE(colour(), blue);
        QCOMPARE(m_platform->opened.size(), 1);

        QTest::mousePress(link, Qt::LeftButton);
        QCOMPARE(colour(), orange);
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(colour(), blue);
        QCOMPARE(m_platform->opened.size(), 1);
    }

    // Titles and a passage of every topic, the five exports included, and the initial
    // password that the general topic names opens the password file the installation ships.
    void topics_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("fragment");
        const std::tuple<HelpTopic, const char16_t*, const char16_t*> rows[] = {
            {HelpTopic::Generale, u"Uno sguardo a Depotta.", u"chiavetta USB"},
            {HelpTopic::Magazzino, u"Applicazione Magazzino Prodotti.", u"livello di avviso"},
            {HelpTopic::Clienti, u"Applicazione Anagrafica Clienti.", u"Da ricontattare"},
            {HelpTopic::Fornitori, u"Applicazione Anagrafica Fornitori.", u"listino prezzi"},
            {HelpTopic::Inventario, u"Applicazione Inventario Merce.", u"valore totale"},
            {HelpTopic::Movimenti, u"Applicazione Riepilogo Movimenti.", u"codice articolo"},
            {HelpTopic::EsportaMagazzino, u"Esportazione magazzino prodotti in Microsoft Excel.",
             u"Il file si chiama Magazzino.xls"},
            {HelpTopic::EsportaClienti, u"Esportazione archivio clienti in Microsoft Excel.",
             u"Il file si chiama Clienti.xls"},
            {HelpTopic::EsportaFornitori, u"Esportazione archivio fornitori in Microsoft Excel.",
             u"Il file si chiama Fornitori.xls"},
            {HelpTopic::EsportaCarico,
             u"Esportazione archivio movimenti di carico merce in Microsoft Excel.",
             u"Il file si chiama Registro_Carico.xls"},
            {HelpTopic::EsportaScarico,
             u"Esportazione archivio movimenti di scarico merce in Microsoft Excel.",
             u"Il file si chiama Registro_Scarico.xls"},
        };
        QCOMPARE(help::topics().size(), int(std::size(rows)));
        for (const auto& [topic, title, fragment] : rows)
            QTest::newRow(QString::fromUtf16(title).toUtf8().constData())
                << int(topic) << QString::fromUtf16(title) << QString::fromUtf16(fragment);
    }
    void topics() {
        QFETCH(int, topic);
        QFETCH(QString, title);
        QFETCH(QString, fragment);
        const auto t = HelpTopic(topic);
        QVERIFY(help::topics().contains(t));
        QCOMPARE(help::title(t), title);
        QVERIFY(help::text(t).contains(fragment));
        for (const QString& p : help::paragraphs(t))
            QVERIFY2(p.size() > 40 && p == p.trimmed(), qPrintable(p));
    }

    // The guide the build lays beside the program: a title page, the contents whose page
    // numbers lead to each chapter, every topic's title and text, numbered pages.
    void guidePdf() {
        const QStringList pages = pdfPages(QStringLiteral(DP_GUIDE_PDF));
        QVERIFY2(pages.size() >= 13, qPrintable(QString::number(pages.size())));
        QVERIFY(pages[0].contains(u"Depotta"_s));
        QVERIFY(pages[0].contains(u"Guida all'utilizzo del software"_s));
        QVERIFY(!pages[0].contains(u"Pagina"_s));
        for (int i = 1; i < pages.size(); ++i)
            QVERIFY2(pages[i].endsWith(u"Pagina %1"_s.arg(i + 1)), qPrintable(pages[i].right(60)));
        QVERIFY(pages[1].startsWith(u"Indice"_s));
        int previous = 2;
        for (int n = 1; n <= int(std::size(kTitles)); ++n) {
            const QString heading = u"%1. %2"_s.arg(n).arg(QString::fromUtf16(kTitles[n - 1]));
            const auto entry =
                QRegularExpression(QRegularExpression::escape(heading) + u" (\\d+)"_s)
                    .match(pages[1]);
            QVERIFY2(entry.hasMatch(), qPrintable(heading));
            const int page = entry.captured(1).toInt();
            QVERIFY(page > previous && page <= pages.size());
            QVERIFY2(pages[page - 1].startsWith(heading), qPrintable(heading));
            previous = page;
        }
        // A passage of a text, accented letters and all, reads back as it was written.
        const QString all = pages.join(QLatin1Char(' '));
        QVERIFY(all.contains(u"Al primo accesso la password è DEPOTTA."_s));
        QVERIFY(all.contains(u"Il file si chiama Registro_Scarico.xls"_s));
    }

    void initialPasswordOpensTheShippedFile() {
        QVERIFY(help::text(HelpTopic::Generale).contains(u"password è DEPOTTA"_s));
        const app::PasswordStore shipped(QStringLiteral(DP_SOURCE_DIR "/resources/"));
        QCOMPARE(shipped.verify(u"depotta"_s), app::PasswordStore::Check::Match);
    }
};

QTEST_MAIN(TestHelp)
#include "TestHelp.moc"
