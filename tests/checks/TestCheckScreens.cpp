#include "checks/CheckScreens.h"
#include "checks/TfrmCarta.h"
#include "checks/TfrmCodFisc.h"
#include "checks/TfrmIban.h"
#include "checks/TfrmPartitaIva.h"
#include "support/FakePlatform.h"
#include "support/Modal.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

using namespace dp;
using dp::test::FakePlatform;

Q_DECLARE_METATYPE(FakePlatform::Kind)
using OpenCheck = std::function<void(AppContext&, QWidget*, const QString&)>;
Q_DECLARE_METATYPE(OpenCheck)

namespace {

// The four screens by class name, with the objectName of their field.
std::unique_ptr<CheckDialog> makeScreen(AppContext& ctx, const QString& name) {
    if (name == QLatin1String("TfrmCodFisc"))
        return std::make_unique<TfrmCodFisc>(ctx, nullptr);
    if (name == QLatin1String("TfrmPartitaIva"))
        return std::make_unique<TfrmPartitaIva>(ctx, nullptr);
    if (name == QLatin1String("TfrmCarta"))
        return std::make_unique<TfrmCarta>(ctx, nullptr);
    if (name == QLatin1String("TfrmIban"))
        return std::make_unique<TfrmIban>(ctx, nullptr);
    return nullptr;
}

QString fieldOf(const QString& screen) {
    if (screen == QLatin1String("TfrmCodFisc"))
        return QStringLiteral("txtCodFisc");
    if (screen == QLatin1String("TfrmPartitaIva"))
        return QStringLiteral("txtPartitaIva");
    if (screen == QLatin1String("TfrmCarta"))
        return QStringLiteral("txtNumero");
    return QStringLiteral("txtIban");
}

} // namespace

class TestCheckScreens : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();

    void screenShowsItsTexts_data();
    void screenShowsItsTexts();
    void checkReportsAndClosesOrStays_data();
    void checkReportsAndClosesOrStays();
    void typingIsFilteredAndRewritten_data();
    void typingIsFilteredAndRewritten();
    void keyReleaseRewritesHandedInValue_data();
    void keyReleaseRewritesHandedInValue();
    void enterMovesToCheckButton_data();
    void enterMovesToCheckButton();
    void chiudiClosesWithoutMessage();
    void openFunctionsShowModalScreen_data();
    void openFunctionsShowModalScreen();

  private:
    std::unique_ptr<CheckDialog> shown(const QString& name);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<AppContext> m_ctx;
};

void TestCheckScreens::init() {
    dp::test::failOnQtWarnings();
    m_dir = std::make_unique<QTemporaryDir>();
    m_platform = std::make_unique<FakePlatform>(m_dir->path() + QLatin1Char('/'));
    m_ctx = std::make_unique<AppContext>(*m_platform);
}

void TestCheckScreens::cleanup() {
    m_ctx.reset();
    m_platform.reset();
    m_dir.reset();
}

std::unique_ptr<CheckDialog> TestCheckScreens::shown(const QString& name) {
    auto screen = makeScreen(*m_ctx, name);
    screen->show();
    if (!QTest::qWaitForWindowActive(screen.get()))
        qWarning("screen %s did not become active", qPrintable(name));
    return screen;
}

void TestCheckScreens::screenShowsItsTexts_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("instruction");

    QTest::newRow("fiscal code")
        << "TfrmCodFisc"
        << " Controllo codice fiscale"
        << "Immettere il codice fiscale e premere il pulsante di controllo.";
    QTest::newRow("VAT number")
        << "TfrmPartitaIva"
        << " Controllo partita IVA"
        << "Immettere il numero di partita IVA e premere il pulsante di controllo.";
    QTest::newRow("card")
        << "TfrmCarta"
        << " Controllo carta di credito"
        << "Immettere il numero di carta di credito e premere il pulsante di controllo.";
    QTest::newRow("IBAN") << "TfrmIban"
                          << " Controllo IBAN"
                          << "Immettere l'IBAN e premere il pulsante di controllo.";
}

void TestCheckScreens::screenShowsItsTexts() {
    QFETCH(QString, screen);
    QFETCH(QString, caption);
    QFETCH(QString, instruction);
    auto s = shown(screen);
    QCOMPARE(s->objectName(), screen);
    QCOMPARE(s->windowTitle(), caption);
    QCOMPARE(s->findChild<QLabel*>(u"lblTitolo"_s)->text(), instruction);
    QCOMPARE(s->findChild<QPushButton*>(u"btnControlla"_s)->text(), QStringLiteral("Controlla"));
    QCOMPARE(s->findChild<QPushButton*>(u"btnChiudi"_s)->text(), QStringLiteral("Chiudi"));
    // On show the focus is in the field.
    QCOMPARE(QApplication::focusWidget(), s->findChild<QLineEdit*>(fieldOf(screen)));
}

void TestCheckScreens::checkReportsAndClosesOrStays_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("value");
    QTest::addColumn<FakePlatform::Kind>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("staysOpen");

    const auto warning = FakePlatform::Kind::Warning;
    const auto info = FakePlatform::Kind::Information;
    const QString cfLength = QStringLiteral(
        "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
    QTest::newRow("fiscal code, 15 characters") << "TfrmCodFisc"
                                                << "RSSMRA85T10A562" << warning << cfLength << true;
    QTest::newRow("fiscal code, empty") << "TfrmCodFisc"
                                        << "" << warning << cfLength << true;
    QTest::newRow("fiscal code, valid")
        << "TfrmCodFisc"
        << "RSSMRA85T10A562S" << info << QStringLiteral("Il codice fiscale digitato è VALIDO.")
        << false;
    QTest::newRow("fiscal code, wrong")
        << "TfrmCodFisc"
        << "RSSMRA85T10A562T" << warning
        << QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.") << false;

    QTest::newRow("VAT, 10 digits")
        << "TfrmPartitaIva"
        << "1234567015" << warning
        << "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici." << true;
    QTest::newRow("VAT, valid")
        << "TfrmPartitaIva"
        << "12345670157" << info
        << "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato "
           "dall'Ufficio IVA del Comune di Milano 1."
        << false;
    QTest::newRow("VAT handed in with a letter")
        << "TfrmPartitaIva"
        << "1234567015A" << warning
        << QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                          "Non è quindi possibile fornire informazioni relative all'Ufficio "
                          "IVA che lo ha rilasciato.")
        << false;

    QTest::newRow("card, empty")
        << "TfrmCarta"
        << "  " << warning
        << "Attenzione: immettere il numero di carta di credito prima di premere il pulsante "
           "di controllo."
        << true;
    QTest::newRow("card handed in with blanks")
        << "TfrmCarta"
        << "4111 1111 1111 1111" << info
        << QStringLiteral("Il numero di carta di credito 4111 1111 1111 1111 risulta valido."
                          "\r\n\r\nLa carta di credito è del tipo Visa.")
        << false;
    QTest::newRow("card starting with 2")
        << "TfrmCarta"
        << "2223000048400011" << warning
        << QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi "
                          "possibile fornire informazioni relative al tipo di carta di credito.")
        << false;

    const QString ibanLength =
        QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
    QTest::newRow("IBAN handed in with blanks")
        << "TfrmIban"
        << "IT60 X054 2811 1010 0000 0123 456" << warning << ibanLength << true;
    QTest::newRow("IBAN handed in with 28 characters")
        << "TfrmIban"
        << "IT60X05428111010000001234567" << warning << ibanLength << true;
    QTest::newRow("IBAN valid") << "TfrmIban"
                                << "IT60X0542811101000000123456" << info
                                << QStringLiteral("L'IBAN digitato è VALIDO.") << false;
    QTest::newRow("IBAN with one digit changed")
        << "TfrmIban"
        << "IT60X0542811101000000123457" << warning
        << QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!") << false;
}

void TestCheckScreens::checkReportsAndClosesOrStays() {
    QFETCH(QString, screen);
    QFETCH(QString, value);
    QFETCH(FakePlatform::Kind, kind);
    QFETCH(QString, message);
    QFETCH(bool, staysOpen);

    auto s = shown(screen);
    auto* field = s->findChild<QLineEdit*>(fieldOf(screen));
    s->setValue(value);
    QCOMPARE(field->text(), value); // handed-in values are neither filtered nor cut

    // A mouse click takes the focus to the button, so a warning must bring it back.
    QTest::mouseClick(s->findChild<QPushButton*>(u"btnControlla"_s), Qt::LeftButton);
    QCOMPARE(m_platform->shown.size(), 1);
    QCOMPARE(m_platform->lastKind(), kind);
    QCOMPARE(m_platform->lastText(), message);
    QCOMPARE(s->isVisible(), staysOpen);
    if (staysOpen)
        QCOMPARE(QApplication::focusWidget(), field);
}

void TestCheckScreens::typingIsFilteredAndRewritten_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("fiscal code in capitals") << "TfrmCodFisc"
                                             << "rssmra85t10a562s"
                                             << "RSSMRA85T10A562S";
    QTest::newRow("fiscal code, blanks vanish") << "TfrmCodFisc"
                                                << " rss mra"
                                                << "RSSMRA";
    QTest::newRow("fiscal code, 16 at most") << "TfrmCodFisc"
                                             << "RSSMRA85T10A562SX"
                                             << "RSSMRA85T10A562S";
    QTest::newRow("fiscal code, signs pass") << "TfrmCodFisc"
                                             << "a/b&c"
                                             << "A/B&C";
    QTest::newRow("VAT, digits only") << "TfrmPartitaIva"
                                      << "12a3,4 5-"
                                      << "12345";
    QTest::newRow("VAT, 11 at most") << "TfrmPartitaIva"
                                     << "123456789012"
                                     << "12345678901";
    QTest::newRow("card, digits only") << "TfrmCarta"
                                       << "4111 1111-x"
                                       << "41111111";
    QTest::newRow("card, 30 at most")
        << "TfrmCarta" << QString(31, QLatin1Char('4')) << QString(30, QLatin1Char('4'));
    QTest::newRow("IBAN in capitals, blanks vanish") << "TfrmIban"
                                                     << "it60 x054"
                                                     << "IT60X054";
    QTest::newRow("IBAN, 27 at most") << "TfrmIban"
                                      << "IT60X05428111010000001234567"
                                      << "IT60X0542811101000000123456";
}

void TestCheckScreens::typingIsFilteredAndRewritten() {
    QFETCH(QString, screen);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    auto s = shown(screen);
    auto* field = s->findChild<QLineEdit*>(fieldOf(screen));
    QTest::keyClicks(field, typed);
    QCOMPARE(field->text(), expected);
    QVERIFY(m_platform->shown.isEmpty());
}

void TestCheckScreens::keyReleaseRewritesHandedInValue_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("expected");

    QTest::newRow("fiscal code") << "TfrmCodFisc"
                                 << "RSS MRA";
    QTest::newRow("IBAN") << "TfrmIban"
                          << "RSS MRA";
    QTest::newRow("card: typing only") << "TfrmCarta"
                                       << " rss mra ";
    QTest::newRow("VAT: no rewrite") << "TfrmPartitaIva"
                                     << " rss mra ";
}

void TestCheckScreens::keyReleaseRewritesHandedInValue() {
    QFETCH(QString, screen);
    QFETCH(QString, expected);
    auto s = shown(screen);
    auto* field = s->findChild<QLineEdit*>(fieldOf(screen));
    s->setValue(QStringLiteral(" rss mra "));
    QTest::keyClick(field, Qt::Key_Left);
    QCOMPARE(field->text(), expected);
}

void TestCheckScreens::enterMovesToCheckButton_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("value");
    QTest::newRow("fiscal code") << "TfrmCodFisc"
                                 << "RSSMRA85T10A562S";
    QTest::newRow("VAT number") << "TfrmPartitaIva"
                                << "12345670157";
    QTest::newRow("card") << "TfrmCarta"
                          << "4111111111111111";
    QTest::newRow("IBAN") << "TfrmIban"
                          << "IT60X0542811101000000123456";
}

void TestCheckScreens::enterMovesToCheckButton() {
    QFETCH(QString, screen);
    QFETCH(QString, value);
    auto s = shown(screen);
    auto* field = s->findChild<QLineEdit*>(fieldOf(screen));
    s->setValue(value);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), s->findChild<QPushButton*>(u"btnControlla"_s));
    QVERIFY(m_platform->shown.isEmpty()); // Enter in the field does not check
    QVERIFY(s->isVisible());

    // A second Enter presses the button.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(m_platform->shown.size(), 1);
    QCOMPARE(m_platform->lastKind(), FakePlatform::Kind::Information);
    QVERIFY(!s->isVisible());
}

void TestCheckScreens::chiudiClosesWithoutMessage() {
    auto s = shown(QStringLiteral("TfrmIban"));
    s->setValue(QStringLiteral("IT60"));
    QTest::mouseClick(s->findChild<QPushButton*>(u"btnChiudi"_s), Qt::LeftButton);
    QVERIFY(!s->isVisible());
    QVERIFY(m_platform->shown.isEmpty());
}

void TestCheckScreens::openFunctionsShowModalScreen_data() {
    using Open = OpenCheck;
    QTest::addColumn<Open>("open");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("message");

    QTest::newRow("fiscal code") << Open(openFiscalCodeCheck) << "rssmra85t10a562s"
                                 << "TfrmCodFisc"
                                 << QStringLiteral("Il codice fiscale digitato è VALIDO.");
    QTest::newRow("VAT number")
        << Open(openVatNumberCheck) << "12345670157"
        << "TfrmPartitaIva"
        << "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato "
           "dall'Ufficio IVA del Comune di Milano 1.";
    QTest::newRow("card") << Open(openCardCheck) << "5555-5555-5555-4444"
                          << "TfrmCarta"
                          << QStringLiteral("Il numero di carta di credito 5555-5555-5555-4444 "
                                            "risulta valido.\r\n\r\nLa carta di credito è del "
                                            "tipo MasterCard.");
    QTest::newRow("IBAN") << Open(openIbanCheck) << "IT60X0542811101000000123456"
                          << "TfrmIban" << QStringLiteral("L'IBAN digitato è VALIDO.");
}

void TestCheckScreens::openFunctionsShowModalScreen() {
    using Open = OpenCheck;
    QFETCH(Open, open);
    QFETCH(QString, value);
    QFETCH(QString, screen);
    QFETCH(QString, message);

    QWidget owner;
    owner.show();
    QPointer<QWidget> modal;
    QString name;
    QWidget* parent = nullptr;
    QString fieldText;
    test::whileModal([&] { open(*m_ctx, &owner, value); },
                     [&](QWidget* shown) {
                         modal = shown;
                         name = modal->objectName();
                         parent = modal->parentWidget();
                         if (auto* field = modal->findChild<QLineEdit*>(fieldOf(screen)))
                             fieldText = field->text();
                         if (auto* check = modal->findChild<QPushButton*>(u"btnControlla"_s))
                             QTest::mouseClick(check, Qt::LeftButton);
                     });

    QCOMPARE(name, screen);
    QCOMPARE(parent, &owner);
    QCOMPARE(fieldText, value);
    QCOMPARE(m_platform->lastText(), message);
    QVERIFY(modal.isNull()); // destroyed once closed
    QVERIFY(owner.findChildren<QDialog*>().isEmpty());
}

QTEST_MAIN(TestCheckScreens)
#include "TestCheckScreens.moc"
