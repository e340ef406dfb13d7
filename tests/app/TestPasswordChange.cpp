#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmPassword.h"
#include "support/FakePlatform.h"
#include "support/SmallDisk.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace dp;
using namespace dp::test;
using namespace Qt::StringLiterals;

namespace {

// Scrambled by hand: "DEPOTTA" and "NUOVA1".
const QByteArray kDepotta = "[Accesso]\r\nValore=6403E729831D56\r\n";
const QByteArray kNuova1 = "[Accesso]\r\nValore=6E296E2CC251\r\n";

const QString kWrongOld = u"Attenzione: vecchia password errata."_s;
const QString kNotConfirmed = u"Attenzione: la nuova password non è stata confermata "
                              u"correttamente. E' necessario reinserire entrambi i valori."_s;
const QString kDone = u"Modifica della password completata con successo."_s;
const QString kFailed = u"Attenzione: si è verificato un errore durante la procedura di modifica "
                        u"della password. Si consiglia di reinstallare il software."_s;

} // namespace

class TestPasswordChange : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<AppContext> m_ctx;
    std::unique_ptr<TfrmPassword> m_login;
    std::unique_ptr<TfrmAvvio> m_menu;
    std::unique_ptr<TfrmCambiaPassword> m_change;

    QString m_program;

    QString file() const { return m_program + u"/unins000.dll"_s; }
    QLineEdit* edit(QWidget* screen, const char16_t* name) const {
        return screen->findChild<QLineEdit*>(QString::fromUtf16(name));
    }
    QLineEdit* old() const { return edit(m_change.get(), u"txtPasswordOld"); }
    QLineEdit* nuova() const { return edit(m_change.get(), u"txtPasswordNew"); }
    QLineEdit* conferma() const { return edit(m_change.get(), u"txtConferma"); }
    QAbstractButton* button(QWidget* screen, const char16_t* name) const {
        return screen->findChild<QAbstractButton*>(QString::fromUtf16(name));
    }
    QAbstractButton* ok() const { return button(m_change.get(), u"cmdOK"); }

    // From the login screen, as the user gets there.
    void openChange() {
        m_login->show();
        QVERIFY(QTest::qWaitForWindowActive(m_login.get()));
        QTest::mouseClick(button(m_login.get(), u"btnCambiaPassword"), Qt::LeftButton);
        QVERIFY(m_change->isVisible());
        QVERIFY(m_login->isHidden());
        QVERIFY(QTest::qWaitForWindowActive(m_change.get()));
    }
    void fill(const QString& o, const QString& n, const QString& c) {
        for (auto [field, text] : {std::pair{old(), o}, {nuova(), n}, {conferma(), c}}) {
            field->setFocus();
            typeText(field, text);
        }
    }
    void expectBackAtLogin() {
        QVERIFY(m_change->isHidden());
        QVERIFY(m_login->isVisible());
        QCOMPARE(edit(m_login.get(), u"txtPassword")->text(), QString());
        QCOMPARE(m_login->findChild<QLabel*>(u"lblMemory"_s)->text(), QString());
        QVERIFY(QTest::qWaitForWindowActive(m_login.get()));
        QVERIFY(edit(m_login.get(), u"txtPassword")->hasFocus());
    }

    // The three screens over a program directory holding the initial password file.
    void startIn(const QString& program) {
        cleanup();
        m_program = program;
        m_platform = std::make_unique<FakePlatform>(program);
        m_ctx = std::make_unique<AppContext>(*m_platform);
        m_login = std::make_unique<TfrmPassword>(*m_ctx);
        m_menu = std::make_unique<TfrmAvvio>(*m_ctx);
        m_change = std::make_unique<TfrmCambiaPassword>(*m_ctx);
        for (QWidget* w :
             {(QWidget*)m_login.get(), (QWidget*)m_menu.get(), (QWidget*)m_change.get()})
            m_ctx->registerScreen(w);
        writeFile(file(), kDepotta);
    }

  private Q_SLOTS:
    void init() {
        dp::test::failOnQtWarnings();
        m_dir = std::make_unique<QTemporaryDir>();
        startIn(m_dir->path());
    }
    void cleanup() {
        m_change.reset();
        m_menu.reset();
        m_login.reset();
    }

    void screenAsDesigned() {
        QCOMPARE(m_change->windowTitle(), u" Cambia password"_s);
        QVERIFY(!ok()->isEnabled());
        QCOMPARE(button(m_change.get(), u"cmdEsci")->text(), u"Chiudi"_s);
        for (QLineEdit* e : {old(), nuova(), conferma()}) {
            QCOMPARE(e->echoMode(), QLineEdit::Password);
            QCOMPARE(e->maxLength(), 32767);
        }
        openChange();
        QVERIFY(old()->hasFocus());
        for (const char16_t* eff : {u"effPasswordOld", u"effPasswordNew", u"effConferma"})
            QVERIFY(m_change->findChild<QWidget*>(QString::fromUtf16(eff)));
        QVERIFY(m_change->findChild<QWidget*>(u"effPasswordOld"_s)->isVisible());
        QVERIFY(!m_change->findChild<QWidget*>(u"effConferma"_s)->isVisible());
    }

    // OK waits for a non-blank character in each of the three fields.
    void okNeedsAllThree_data() {
        QTest::addColumn<QString>("o");
        QTest::addColumn<QString>("n");
        QTest::addColumn<QString>("c");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("all empty") << ""
                                   << ""
                                   << "" << false;
        QTest::newRow("confirmation empty") << "a"
                                            << "b"
                                            << "" << false;
        QTest::newRow("old only blanks") << "   "
                                         << "b"
                                         << "b" << false;
        QTest::newRow("new only blanks") << "a"
                                         << "  "
                                         << "b" << false;
        QTest::newRow("all three") << "a"
                                   << " b "
                                   << "b" << true;
    }
    void okNeedsAllThree() {
        QFETCH(QString, o);
        QFETCH(QString, n);
        QFETCH(QString, c);
        QFETCH(bool, enabled);
        openChange();
        fill(o, n, c);
        QCOMPARE(ok()->isEnabled(), enabled);
        if (enabled) {
            // The last field's last character was what enabled it; taking it away disables.
            QTest::keyClick(conferma(), Qt::Key_Backspace);
            QVERIFY(!ok()->isEnabled());
        }
    }

    // Enter goes round the three fields and never presses OK.
    void enterCyclesTheFields() {
        openChange();
        fill(u"DEPOTTA"_s, u"X"_s, u"X"_s);
        old()->setFocus();
        for (QLineEdit* next : {nuova(), conferma(), old(), nuova()}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QVERIFY(m_platform->shown.isEmpty());
        QCOMPARE(readFile(file()), kDepotta);
    }

    // The old password in small letters matches, the blanks around the new one are not
    // kept, the new one in small letters opens the program, and the login is empty.
    void changeAndLogInWithIt() {
        openChange();
        fill(u"depotta"_s, u"  nuova1 "_s, u" nuova1"_s);
        QTest::mouseClick(ok(), Qt::LeftButton);
        QCOMPARE(m_platform->lastText(), kDone);
        QCOMPARE(m_platform->lastKind(), FakePlatform::Kind::Message);
        QCOMPARE(readFile(file()), kNuova1);
        expectBackAtLogin();

        auto* password = edit(m_login.get(), u"txtPassword");
        typeText(password, u"nuova1"_s);
        QTest::keyClick(password, Qt::Key_Return);
        QVERIFY(m_menu->isVisible());
        QVERIFY(m_login->isHidden());
    }

    void refusals_data() {
        QTest::addColumn<QString>("o");
        QTest::addColumn<QString>("n");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("oldEmptied");
        QTest::newRow("wrong old") << "DEPOTA"
                                   << "nuova"
                                   << "nuova" << kWrongOld << true;
        QTest::newRow("confirmation differs in case") << "DEPOTTA"
                                                      << "Nuova"
                                                      << "nuova" << kNotConfirmed << false;
        QTest::newRow("euro sign")
            << "DEPOTTA" << u"€uro"_s << u"€uro"_s
            << u"Attenzione: la nuova password non può essere registrata. Può contenere al "
               u"massimo 255 caratteri, senza simboli come il segno dell'euro. E' necessario "
               u"reinserire entrambi i valori."_s
            << false;
    }
    void refusals() {
        QFETCH(QString, o);
        QFETCH(QString, n);
        QFETCH(QString, c);
        QFETCH(QString, message);
        QFETCH(bool, oldEmptied);
        openChange();
        fill(o, n, c);
        QTest::mouseClick(ok(), Qt::LeftButton);
        QCOMPARE(m_platform->shown.size(), 1);
        QCOMPARE(m_platform->lastText(), message);
        QCOMPARE(readFile(file()), kDepotta);
        QVERIFY(m_change->isVisible());
        if (oldEmptied) {
            QCOMPARE(old()->text(), QString());
            QCOMPARE(nuova()->text(), n);
            QVERIFY(old()->hasFocus());
        } else {
            QCOMPARE(old()->text(), o);
            QCOMPARE(nuova()->text(), QString());
            QCOMPARE(conferma()->text(), QString());
            QVERIFY(nuova()->hasFocus());
        }
        QVERIFY(!ok()->isEnabled());
    }

    // The file cannot be written (or read): the change is reported as failed, the stored
    // password stays, and the screen stays open for another try.
    void unwritableFile_data() {
        QTest::addColumn<bool>("readable");
        QTest::newRow("read-only file") << true;
        QTest::newRow("unreadable file") << false;
    }
    void unwritableFile() {
        QFETCH(bool, readable);
        openChange();
        fill(u"DEPOTTA"_s, u"NUOVA1"_s, u"NUOVA1"_s);
        // The folder stays open to everybody, so only the file's own mode protects it.
        {
            const ScopedPermissions open(m_dir->path(), QFileDevice::Permissions(0x7777));
            const ScopedPermissions locked(file(), readable ? QFileDevice::ReadOwner |
                                                                  QFileDevice::ReadOther
                                                            : QFileDevice::Permissions());
            Unprivileged drop;
            QTest::mouseClick(ok(), Qt::LeftButton);
        }
        QCOMPARE(m_platform->shown.size(), 1);
        QCOMPARE(m_platform->lastText(), kFailed);
        QCOMPARE(readFile(file()), kDepotta);
        QVERIFY(m_change->isVisible());
    }

    // A full disk is told as such, not as a broken installation to reinstall.
    void fullDisk() {
        SmallDisk disk;
        DP_REQUIRE_SMALL_DISK(disk);
        startIn(disk.path());
        QVERIFY(disk.fill(0));
        openChange();
        fill(u"DEPOTTA"_s, u"NUOVA1"_s, u"NUOVA1"_s);
        QTest::mouseClick(ok(), Qt::LeftButton);
        QCOMPARE(m_platform->shown.size(), 1);
        QCOMPARE(m_platform->lastText(),
                 u"Attenzione: la password non è stata modificata perché il disco della cartella "
                 u"del programma è pieno. Liberare spazio sul disco e riprovare."_s);
        QCOMPARE(readFile(file()), kDepotta);
        QVERIFY(m_change->isVisible());
    }

    // Leaving without a change, by "Chiudi" or the close box, also returns to an empty login;
    // showing the screen again starts from empty fields.
    void closingReturnsToTheLogin_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Chiudi") << false;
        QTest::newRow("close box") << true;
    }
    void closingReturnsToTheLogin() {
        QFETCH(bool, closeBox);
        m_login->show();
        typeText(edit(m_login.get(), u"txtPassword"), u"abc"_s);
        m_login->findChild<QLabel*>(u"lblMemory"_s)->setText(u"x"_s);
        QTest::mouseClick(button(m_login.get(), u"btnCambiaPassword"), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(m_change.get()));
        fill(u"a"_s, u"b"_s, u"c"_s);
        if (closeBox)
            m_change->close();
        else
            QTest::mouseClick(button(m_change.get(), u"cmdEsci"), Qt::LeftButton);
        QVERIFY(m_platform->shown.isEmpty());
        expectBackAtLogin();

        openChange();
        for (QLineEdit* e : {old(), nuova(), conferma()})
            QCOMPARE(e->text(), QString());
        QVERIFY(!ok()->isEnabled());
        QVERIFY(old()->hasFocus());
    }

    // Minimised and restored while the user types: what was typed is still there.
    void restoreKeepsWhatWasTyped() {
        openChange();
        fill(u"a"_s, u"b"_s, u"c"_s);
        m_change->setWindowState(Qt::WindowMinimized);
        m_change->setWindowState(Qt::WindowNoState);
        QVERIFY(m_change->isVisible());
        QCOMPARE(old()->text(), u"a"_s);
        QCOMPARE(nuova()->text(), u"b"_s);
        QCOMPARE(conferma()->text(), u"c"_s);
        QVERIFY(ok()->isEnabled());
    }
};

QTEST_MAIN(TestPasswordChange)
#include "TestPasswordChange.moc"
