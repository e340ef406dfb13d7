#include "MenuAreas.h"
#include "app/PasswordStore.h"
#include "app/Startup.h"
#include "support/FakePlatform.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

using namespace dp;
using namespace dp::test;
using namespace Qt::StringLiterals;

namespace {

// The screens in the order the program creates them, each with the class that builds it
// (screens of one family share a class and differ by their table).
struct Screen {
    const char* name;
    const char* cppClass;
};
const Screen kStartupOrder[] = {
    {"TfrmPassword", "TfrmPassword"},
    {"TfrmAvvio", "TfrmAvvio"},
    {"TfrmCambiaPassword", "TfrmCambiaPassword"},
    {"TfrmGuida", "TfrmGuida"},
    {"TfrmInfo", "TfrmInfo"},
    {"TfrmSplash", "TfrmSplash"},
    {"TfrmClienti", "TfrmClienti"},
    {"TfrmCodFisc", "TfrmCodFisc"},
    {"TfrmPartitaIva", "TfrmPartitaIva"},
    {"TfrmCarta", "TfrmCarta"},
    {"TfrmIban", "TfrmIban"},
    {"TfrmAllegaCartella", "TfrmAllegaCartella"},
    {"TfrmRicontatta", "RecordListScreen"},
    {"TfrmTrovaClienti", "SearchScreen"},
    {"TfrmExpClienti", "ExportScreen"},
    {"TfrmFornitori", "TfrmFornitori"},
    {"TfrmTrovaFornitori", "SearchScreen"},
    {"TfrmExpFornitori", "ExportScreen"},
    {"TfrmRicontattaFor", "RecordListScreen"},
    {"TfrmMagazzino", "TfrmMagazzino"},
    {"TfrmZoom", "TfrmZoom"},
    {"TfrmWebCam", "TfrmWebCam"},
    {"TfrmCalendario", "TfrmCalendario"},
    {"TfrmGiacenza", "TfrmGiacenza"},
    {"TfrmExpMagazzino", "ExportScreen"},
    {"TfrmTrovaMagazzino", "SearchScreen"},
    {"TfrmSottoscorta", "RecordListScreen"},
    {"TfrmDaSaldare", "RecordListScreen"},
    {"TfrmAnteprimaMag", "TfrmAnteprimaMag"},
    {"TfrmStampaMag", "TfrmStampaMag"},
    {"TfrmMenuRiepilogo", "TfrmMenuRiepilogo"},
    {"TfrmRiepilogo", "TfrmRiepilogo"},
    {"TfrmIstruzioni", "TfrmIstruzioni"},
    {"TfrmMenuRiepilogoCarico", "MovementSelection"},
    {"TfrmRiepilogoCarico", "MovementSummaryList"},
    {"TfrmExpCarico", "ExportScreen"},
    {"TfrmMenuRiepilogoScarico", "MovementSelection"},
    {"TfrmRiepilogoScarico", "MovementSummaryList"},
    {"TfrmExpScarico", "ExportScreen"},
};

// The class name without its namespaces.
QString unqualified(const QObject* o) {
    const QString name = QString::fromLatin1(o->metaObject()->className());
    return name.mid(name.lastIndexOf(u':') + 1);
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<AppContext> m_ctx;
    std::vector<std::unique_ptr<QWidget>> m_screens;

    QWidget* screen(const char* name) const { return m_ctx->screen(QString::fromLatin1(name)); }
    QStringList visibleScreens() const {
        QStringList names;
        for (const auto& w : m_screens)
            if (w->isVisible())
                names << w->objectName();
        return names;
    }

  private Q_SLOTS:
    void init() {
        failOnQtWarnings();
        m_platform = std::make_unique<FakePlatform>(m_dir.path());
        m_ctx = std::make_unique<AppContext>(*m_platform);
        writeFile(m_dir.filePath(u"unins000.dll"_s),
                  "[Accesso]\r\nValore=" + app::PasswordStore::scramble(u"DEPOTTA").toLatin1() +
                      "\r\n");
        m_screens = createScreens(*m_ctx);
    }
    void cleanup() {
        while (!m_screens.empty())
            m_screens.pop_back();
        m_ctx.reset();
        m_platform.reset();
    }

    // Each screen names itself after its class: the menu, the hand-backs and the help find
    // screens by that name.
    void everyScreenIsCreatedOnceInOrder() {
        QCOMPARE(m_screens.size(), std::size(kStartupOrder));
        for (std::size_t i = 0; i < m_screens.size(); ++i) {
            const QWidget* w = m_screens[i].get();
            const QString name = QString::fromLatin1(kStartupOrder[i].name);
            QCOMPARE(w->objectName(), name);
            QCOMPARE(unqualified(w), QString::fromLatin1(kStartupOrder[i].cppClass));
            QCOMPARE(screen(kStartupOrder[i].name), w);
            QVERIFY2(!w->parentWidget(), qPrintable(name));
            QVERIFY2(w->isHidden(), qPrintable(name));
        }
    }

    void loginShowsFirstAndOpensTheMenu() {
        QWidget* login = showLogin(*m_ctx);
        QVERIFY(login);
        QCOMPARE(visibleScreens(), QStringList{u"TfrmPassword"_s});
        QVERIFY(QTest::qWaitForWindowActive(login));
        auto* box = login->findChild<QLineEdit*>(u"txtPassword"_s);
        QVERIFY(box);
        QTest::keyClicks(box, u"depotta"_s);
        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(visibleScreens(), QStringList{u"TfrmAvvio"_s});
        QVERIFY(m_platform->shown.isEmpty());
    }

    void menuOpensEachArea_data() { addMenuAreaRows(); }
    void menuOpensEachArea() {
        QFETCH(QString, entry);
        QFETCH(QString, area);
        QWidget* menu = screen("TfrmAvvio");
        menu->show();
        auto* button = menu->findChild<QAbstractButton*>(entry);
        QVERIFY(button);
        QVERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(visibleScreens(), QStringList{area});
        m_ctx->screen(area)->close();
        QCOMPARE(visibleScreens(), QStringList{u"TfrmAvvio"_s});
    }
};

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
