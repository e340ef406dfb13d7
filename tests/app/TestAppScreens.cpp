#include "MenuAreas.h"
#include "app/PasswordStore.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmPassword.h"
#include "support/FakePlatform.h"
#include "support/Modal.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"
#include "ui/AreaScreen.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

using namespace dp;
using namespace dp::test;

namespace {
const QString kWrong = QStringLiteral("Attenzione: password errata.");
const QString kReadError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di lettura della password. "
    "Si consiglia di reinstallare il software.");
} // namespace

class TestAppScreens : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<AppContext> m_ctx;
    std::unique_ptr<TfrmPassword> m_login;
    std::unique_ptr<TfrmAvvio> m_menu;

    QLineEdit* txtPassword() const { return m_login->findChild<QLineEdit*>(u"txtPassword"_s); }
    QAbstractButton* loginButton(const char* name) const {
        return m_login->findChild<QAbstractButton*>(QLatin1String(name));
    }
    QAbstractButton* menuButton(const QString& name) const {
        return m_menu->findChild<QAbstractButton*>(name);
    }
    void writePassword(const QByteArray& value) {
        writeFile(m_dir.path() + u"/unins000.dll"_s, "[Accesso]\r\nValore=" + value + "\r\n");
    }
    void showLogin() {
        m_login->show();
        QVERIFY(QTest::qWaitForWindowActive(m_login.get()));
    }

  private Q_SLOTS:
    void init() {
        dp::test::failOnQtWarnings();
        m_platform = std::make_unique<FakePlatform>(m_dir.path());
        m_ctx = std::make_unique<AppContext>(*m_platform);
        m_login = std::make_unique<TfrmPassword>(*m_ctx);
        m_menu = std::make_unique<TfrmAvvio>(*m_ctx);
        m_ctx->registerScreen(m_login.get());
        m_ctx->registerScreen(m_menu.get());
        writePassword(app::PasswordStore::scramble(u"DEPOTTA").toLatin1());
    }
    void cleanup() {
        m_menu.reset();
        m_login.reset();
        m_ctx.reset();
        m_platform.reset();
    }

    void okFollowsTheTypedText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("nothing") << "" << false;
        QTest::newRow("blanks only") << "   " << false;
        QTest::newRow("letter between blanks") << " x " << true;
    }
    void okFollowsTheTypedText() {
        QFETCH(QString, typed);
        QFETCH(bool, enabled);
        showLogin();
        QVERIFY(txtPassword()->hasFocus());
        QVERIFY(!loginButton("cmdOK")->isEnabled());
        QCOMPARE(txtPassword()->echoMode(), QLineEdit::Password);
        QTest::keyClicks(txtPassword(), typed);
        QCOMPARE(loginButton("cmdOK")->isEnabled(), enabled);
        // Enter checks only a non-blank password.
        QTest::keyClick(txtPassword(), Qt::Key_Return);
        QCOMPARE(m_platform->shown.size(), enabled ? 1 : 0);
        QVERIFY(m_login->isVisible());
    }

    void rightPasswordOpensTheMenu_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("OK button") << "DEPOTTA" << false;
        QTest::newRow("Enter, small letters") << "depotta" << true;
        QTest::newRow("blanks around") << "  Depotta " << true;
    }
    void rightPasswordOpensTheMenu() {
        QFETCH(QString, typed);
        QFETCH(bool, byEnter);
        showLogin();
        QTest::keyClicks(txtPassword(), typed);
        if (byEnter)
            QTest::keyClick(txtPassword(), Qt::Key_Enter);
        else
            QTest::mouseClick(loginButton("cmdOK"), Qt::LeftButton);
        QVERIFY(m_platform->shown.isEmpty());
        QVERIFY(m_menu->isVisible());
        QVERIFY(m_menu->isMaximized());
        QVERIFY(m_login->isHidden());
    }

    void wrongPasswordEmptiesTheBox_data() {
        QTest::addColumn<bool>("fileExists");
        QTest::newRow("wrong password") << true;
        QTest::newRow("no password file") << false;
    }
    void wrongPasswordEmptiesTheBox() {
        QFETCH(bool, fileExists);
        if (!fileExists)
            QFile::remove(m_dir.path() + u"/unins000.dll"_s);
        showLogin();
        QTest::keyClicks(txtPassword(), u"DEPOTT"_s);
        QTest::keyClick(txtPassword(), Qt::Key_Return);
        QCOMPARE(m_platform->shown.size(), 1);
        QCOMPARE(m_platform->lastKind(), FakePlatform::Kind::Message);
        QCOMPARE(m_platform->lastText(), kWrong);
        QCOMPARE(txtPassword()->text(), QString());
        QVERIFY(!loginButton("cmdOK")->isEnabled());
        QVERIFY(txtPassword()->hasFocus());
        QVERIFY(m_login->isVisible());
        QVERIFY(!m_menu->isVisible());
        // Further attempts are allowed.
        QTest::keyClicks(txtPassword(), u"depotta"_s);
        QTest::keyClick(txtPassword(), Qt::Key_Return);
        QCOMPARE(m_platform->shown.size(), fileExists ? 1 : 2);
        QCOMPARE(m_menu->isVisible(), fileExists);
    }

    void unreadableStoreLeavesTheScreenAsItWas() {
        writePassword("6403E7Z9831D56");
        showLogin();
        QTest::keyClicks(txtPassword(), u"DEPOTTA"_s);
        QTest::mouseClick(loginButton("cmdOK"), Qt::LeftButton);
        QCOMPARE(m_platform->shown.size(), 1);
        QCOMPARE(m_platform->lastKind(), FakePlatform::Kind::Message);
        QCOMPARE(m_platform->lastText(), kReadError);
        QCOMPARE(txtPassword()->text(), QStringLiteral("DEPOTTA"));
        QVERIFY(loginButton("cmdOK")->isEnabled());
        QVERIFY(m_login->isVisible());
        QVERIFY(!m_menu->isVisible());
    }

    void highlightFramesThePasswordBox() {
        showLogin();
        auto* eff = m_login->findChild<QWidget*>(u"effPassword"_s);
        QVERIFY(eff);
        QVERIFY(eff->isVisible());
        loginButton("cmdEsci")->setFocus();
        QVERIFY(!eff->isVisible());
    }

    void passwordChangeOpens() {
        QWidget change;
        change.setObjectName("TfrmCambiaPassword");
        m_ctx->registerScreen(&change);
        showLogin();
        QVERIFY(loginButton("btnCambiaPassword")->isEnabled());
        QTest::mouseClick(loginButton("btnCambiaPassword"), Qt::LeftButton);
        QVERIFY(change.isVisible());
        QVERIFY(m_login->isHidden());
    }

    // Before any test that quits: a quit makes every later modal screen return at once.
    void backupIconOpensTheBackupScreen() {
        m_menu->show();
        QString opened;
        test::whileModal([&] { menuButton(u"imgCopia"_s)->click(); },
                         [&](QWidget* modal) { opened = modal->objectName(); });
        QCOMPARE(opened, QStringLiteral("TfrmCopiaSicurezza"));
        QVERIFY(m_menu->isVisible());
    }

    void exitClosesTheLogin() {
        showLogin();
        QTest::mouseClick(loginButton("cmdEsci"), Qt::LeftButton);
        QVERIFY(m_login->isHidden());
    }

    void menuCreationSetsItalianNumbers() {
        QCOMPARE(m_menu->windowTitle(), QStringLiteral(" Depotta"));
        QCOMPARE(QLocale().toString(12.5), QStringLiteral("12,5"));
        QCOMPARE(QLocale().toDouble(QStringLiteral("12,5")), 12.5);
    }

    void areaOpensAndReturns_data() { addMenuAreaRows(); }
    void areaOpensAndReturns() {
        QFETCH(QString, entry);
        QFETCH(QString, area);
        AreaScreen screen(*m_ctx, area, QStringLiteral(" Area"));
        m_ctx->registerScreen(&screen);
        m_menu->show();
        QAbstractButton* button = menuButton(entry);
        QVERIFY(button);
        QVERIFY(button->isEnabled());
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(screen.isVisible());
        QVERIFY(m_menu->isHidden());
        screen.close();
        QVERIFY(m_menu->isVisible());
        QVERIFY(screen.isHidden());
    }

    void missingAreasAreDisabled() {
        m_menu->show();
        const QStringList entries = {u"imgClienti"_s,   u"btnClienti"_s, u"imgMagazzino"_s,
                                     u"btnMagazzino"_s, u"imgScarico"_s, u"btnScarico"_s};
        for (const QString& name : entries)
            QVERIFY2(!menuButton(name)->isEnabled(), qPrintable(name));
        QVERIFY(menuButton(u"icoSito"_s)->isEnabled());
        QVERIFY(menuButton(u"imgEsci"_s)->isEnabled());

        // An area registered after the menu was created is found the next time it shows.
        m_menu->hide();
        AreaScreen area(*m_ctx, QStringLiteral("TfrmMagazzino"), QStringLiteral(" Area"));
        m_ctx->registerScreen(&area);
        m_menu->show();
        QVERIFY(menuButton(u"imgMagazzino"_s)->isEnabled());
        QVERIFY(menuButton(u"btnMagazzino"_s)->isEnabled());
        QVERIFY(!menuButton(u"imgClienti"_s)->isEnabled());
    }

    void siteAndExit() {
        m_menu->show();
        QTest::mouseClick(menuButton(u"icoSito"_s), Qt::LeftButton);
        QCOMPARE(m_platform->opened, QStringList{QStringLiteral("https://www.depotta.it")});
        QVERIFY(m_menu->isVisible());
        QTest::mouseClick(menuButton(u"imgEsci"_s), Qt::LeftButton);
        QVERIFY(m_menu->isHidden());
    }
};

QTEST_MAIN(TestAppScreens)
#include "TestAppScreens.moc"
