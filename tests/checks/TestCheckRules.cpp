#include "checks/CheckRules.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace dp::checks;

Q_DECLARE_METATYPE(dp::checks::Outcome)

namespace {

const QString kFiscalValid = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString kFiscalWrong = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");
const QString kFiscalLengthMsg = QStringLiteral(
    "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");

const QString kVatValidPrefix =
    QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato "
                   "dall'Ufficio IVA del Comune di ");
const QString kVatUnknownOffice = QStringLiteral(
    "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nL'Ufficio IVA che lo ha "
    "rilasciato non è noto.");
const QString kVatWrong = QStringLiteral(
    "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi "
    "possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.");
const QString kVatLengthMsg =
    QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");

const QString kCardWrong = QStringLiteral(
    "Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi possibile fornire "
    "informazioni relative al tipo di carta di credito.");
const QString kCardEmpty = QStringLiteral(
    "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di "
    "controllo.");

const QString kIbanValid = QStringLiteral("L'IBAN digitato è VALIDO.");
const QString kIbanWrong = QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!");
const QString kIbanLengthMsg =
    QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");

QString cardValid(const QString& shown, const QString& kind) {
    return QStringLiteral("Il numero di carta di credito ") + shown +
           QStringLiteral(" risulta valido.\r\n\r\nLa carta di credito è del tipo ") + kind +
           QStringLiteral(".");
}

void compareResult(const CheckResult& r, Outcome outcome, const QString& message) {
    QCOMPARE(r.outcome, outcome);
    QCOMPARE(r.message, message);
    QCOMPARE(r.kind, outcome == Outcome::Valid ? MessageKind::Information : MessageKind::Warning);
    QCOMPARE(r.keepsOpen(), outcome == Outcome::Incomplete);
}

} // namespace

class TestCheckRules : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void fiscalCode_data();
    void fiscalCode();
    void vatNumber_data();
    void vatNumber();
    void cardNumber_data();
    void cardNumber();
    void iban_data();
    void iban();
    void fiscalFieldChoosesVatScreen_data();
    void fiscalFieldChoosesVatScreen();
    void mod97InPieces_data();
    void mod97InPieces();
};

void TestCheckRules::fiscalCode_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("message");

    const auto valid = Outcome::Valid;
    const auto wrong = Outcome::Wrong;
    const auto incomplete = Outcome::Incomplete;
    QTest::newRow("valid") << "RSSMRA85T10A562S" << valid << kFiscalValid;
    QTest::newRow("valid, woman") << "BNCGNN70A41H501V" << valid << kFiscalValid;
    QTest::newRow("small letters") << "rssmra85t10a562s" << valid << kFiscalValid;
    QTest::newRow("mixed case") << "RSSmra85T10a562s" << valid << kFiscalValid;
    QTest::newRow("omocodia, one digit") << "RSSMRA85T10A56NH" << valid << kFiscalValid;
    QTest::newRow("omocodia, two digits") << "RSSMRA85T10A5MNN" << valid << kFiscalValid;
    QTest::newRow("omocodia, all digits") << "RSSMRAURTMLARSNL" << valid << kFiscalValid;
    // Every digit and letter in an odd and in an even position.
    QTest::newRow("table 0-E") << "0123456789ABCDEP" << valid << kFiscalValid;
    QTest::newRow("table 1-F") << "123456789ABCDEFA" << valid << kFiscalValid;
    QTest::newRow("table F-T") << "FGHIJKLMNOPQRSTC" << valid << kFiscalValid;
    QTest::newRow("table G-U") << "GHIJKLMNOPQRSTUI" << valid << kFiscalValid;
    QTest::newRow("table L-Z") << "LMNOPQRSTUVWXYZZ" << valid << kFiscalValid;
    QTest::newRow("table K-Y") << "KLMNOPQRSTUVWXYW" << valid << kFiscalValid;
    QTest::newRow("sign between 9 and A counts 0") << "RSSMRA85:10A562E" << valid << kFiscalValid;

    QTest::newRow("wrong check letter") << "RSSMRA85T10A562T" << wrong << kFiscalWrong;
    QTest::newRow("omocodia, wrong letter") << "RSSMRAURTMLARSNM" << wrong << kFiscalWrong;
    QTest::newRow("check character a digit") << "RSSMRA85T10A5621" << wrong << kFiscalWrong;
    // Each of these would pass if the odd character counted 0 like ":".
    QTest::newRow("blank inside") << "RSSMRA85 10A562E" << wrong << kFiscalWrong;
    QTest::newRow("accented letter") << QStringLiteral("RSSMRA85È10A562E") << wrong << kFiscalWrong;
    QTest::newRow("sign after Z") << "RSSMRA85[10A562E" << wrong << kFiscalWrong;
    QTest::newRow("small letter after z") << "RSSMRA85{10A562E" << wrong << kFiscalWrong;

    QTest::newRow("15 characters") << "RSSMRA85T10A562" << incomplete << kFiscalLengthMsg;
    QTest::newRow("17 characters") << "RSSMRA85T10A562SX" << incomplete << kFiscalLengthMsg;
    QTest::newRow("empty") << "" << incomplete << kFiscalLengthMsg;
}

void TestCheckRules::fiscalCode() {
    QFETCH(QString, code);
    QFETCH(Outcome, outcome);
    QFETCH(QString, message);
    compareResult(checkFiscalCode(code), outcome, message);
}

void TestCheckRules::vatNumber_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("message");

    const auto valid = Outcome::Valid;
    QTest::newRow("Milano 1") << u"12345670157"_s << valid << kVatValidPrefix + u"Milano 1."_s;
    QTest::newRow("check digit 0") << u"12345070150"_s << valid << kVatValidPrefix + u"Milano 1."_s;
    QTest::newRow("all zeros") << "00000000000" << valid << kVatUnknownOffice;
    QTest::newRow("office 120") << u"76543001200"_s << valid << kVatValidPrefix + u"Bologna 2."_s;
    QTest::newRow("office 099") << "07654320998" << valid
                                << kVatValidPrefix + u"Chiavari (Genova 2)."_s;
    QTest::newRow("office 040") << "07654320402" << valid
                                << kVatValidPrefix + QStringLiteral("Forlì.");
    QTest::newRow("office 103 unknown") << "07654321038" << valid << kVatUnknownOffice;
    QTest::newRow("office 110 unknown") << "00000001107" << valid << kVatUnknownOffice;

    const auto wrong = Outcome::Wrong;
    QTest::newRow("wrong check digit") << "12345670158" << wrong << kVatWrong;
    QTest::newRow("check digit 0 expected, 1 given") << "12345070151" << wrong << kVatWrong;
    QTest::newRow("other digit changed") << "12345680157" << wrong << kVatWrong;
    QTest::newRow("letter among 11") << "1234567015A" << wrong << kVatWrong;
    QTest::newRow("small letter among 11") << "12345a70157" << wrong << kVatWrong;
    QTest::newRow("blank among 11") << "1234567 157" << wrong << kVatWrong;

    const auto incomplete = Outcome::Incomplete;
    QTest::newRow("10 digits") << "1234567015" << incomplete << kVatLengthMsg;
    QTest::newRow("12 digits") << "123456701570" << incomplete << kVatLengthMsg;
    QTest::newRow("empty") << "" << incomplete << kVatLengthMsg;
}

void TestCheckRules::vatNumber() {
    QFETCH(QString, number);
    QFETCH(Outcome, outcome);
    QFETCH(QString, message);
    compareResult(checkVatNumber(number), outcome, message);
}

void TestCheckRules::cardNumber_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("message");

    const auto valid = Outcome::Valid;
    const QString visa = QStringLiteral("Visa");
    const QString master = QStringLiteral("MasterCard");
    const QString amex = QStringLiteral("American Express");
    const QString diners = QStringLiteral("Diner's Club / Carte Blanche");
    const QString jcb = QStringLiteral("JCB");
    const QString discover = QStringLiteral("Discover");
    const struct {
        const char* number;
        const QString& kind;
    } kinds[] = {
        {"4111111111111111", visa},   {"4222222222222", visa},    {"5555555555554444", master},
        {"5105105105105100", master}, {"378282246310005", amex},  {"371449635398431", amex},
        {"3400000000000000", amex},   {"30569309025904", diners}, {"36148900647913", diners},
        {"38520000023237", diners},   {"3530111333300000", jcb},  {"3566002020360505", jcb},
        {"3100000000000003", jcb},    {"3300000000000001", jcb},  {"6011111111111117", discover},
    };
    for (const auto& k : kinds)
        QTest::newRow(k.number) << k.number << valid
                                << cardValid(QString::fromLatin1(k.number), k.kind);
    QTest::newRow("groups of four with blanks")
        << u"4111 1111 1111 1111"_s << valid << cardValid(u"4111 1111 1111 1111"_s, visa);
    QTest::newRow("groups of four with dashes")
        << u"4111-1111-1111-1111"_s << valid << cardValid(u"4111-1111-1111-1111"_s, visa);
    QTest::newRow("surrounding blanks shown trimmed")
        << u"  4111111111111111 "_s << valid << cardValid(u"4111111111111111"_s, visa);

    const auto wrong = Outcome::Wrong;
    QTest::newRow("Luhn fails") << "4111111111111112" << wrong << kCardWrong;
    QTest::newRow("Luhn passes, starts with 2") << "2223000048400011" << wrong << kCardWrong;
    QTest::newRow("Luhn passes, starts with 2, short") << "2000000000000006" << wrong << kCardWrong;
    QTest::newRow("Luhn passes, starts with 0") << "0000000000000000" << wrong << kCardWrong;
    QTest::newRow("Luhn passes, starts with 1") << "1000000000000008" << wrong << kCardWrong;
    QTest::newRow("Luhn passes, starts with 7") << "7000000000000005" << wrong << kCardWrong;
    QTest::newRow("Luhn passes, starts with 32") << "3200000000000002" << wrong << kCardWrong;
    QTest::newRow("Luhn passes, starts with 39") << "3900000000000005" << wrong << kCardWrong;
    QTest::newRow("digits beyond the 20th character")
        << "4 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1" << wrong << kCardWrong;
    QTest::newRow("leading blanks push the last digit out")
        << "     4111111111111111" << wrong << kCardWrong;
    QTest::newRow("no digits") << "abcd" << wrong << kCardWrong;

    const auto incomplete = Outcome::Incomplete;
    QTest::newRow("empty") << "" << incomplete << kCardEmpty;
    QTest::newRow("blanks only") << "   " << incomplete << kCardEmpty;
}

void TestCheckRules::cardNumber() {
    QFETCH(QString, number);
    QFETCH(Outcome, outcome);
    QFETCH(QString, message);
    compareResult(checkCardNumber(number), outcome, message);
}

void TestCheckRules::iban_data() {
    QTest::addColumn<QString>("iban");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("message");

    const auto valid = Outcome::Valid;
    QTest::newRow("valid") << "IT60X0542811101000000123456" << valid << kIbanValid;
    QTest::newRow("small letters") << "it60x0542811101000000123456" << valid << kIbanValid;
    QTest::newRow("surrounding blanks") << "  IT60X0542811101000000123456 " << valid << kIbanValid;
    // 27 characters once "IBAN" and the blank are part of it; only the remainder counts.
    QTest::newRow("with IBAN prefix") << "IBAN DE89370400440532013000" << valid << kIbanValid;

    const auto wrong = Outcome::Wrong;
    QTest::newRow("last digit changed") << "IT60X0542811101000000123457" << wrong << kIbanWrong;
    QTest::newRow("check digits changed") << "IT61X0542811101000000123456" << wrong << kIbanWrong;
    QTest::newRow("middle digit changed") << "IT60X0542811101000001123456" << wrong << kIbanWrong;
    QTest::newRow("sign inside") << "IT60X05428111010000001234+6" << wrong << kIbanWrong;
    QTest::newRow("dash inside") << "IT60X0542811101000000-23456" << wrong << kIbanWrong;
    QTest::newRow("accented letter")
        << QStringLiteral("IT60X054281110100000012345È") << wrong << kIbanWrong;

    const auto incomplete = Outcome::Incomplete;
    QTest::newRow("26 characters") << "IT60X054281110100000012345" << incomplete << kIbanLengthMsg;
    QTest::newRow("28 characters")
        << "IT60X05428111010000001234567" << incomplete << kIbanLengthMsg;
    QTest::newRow("groups with blanks")
        << "IT60 X054 2811 1010 0000 0123 456" << incomplete << kIbanLengthMsg;
    QTest::newRow("empty") << "" << incomplete << kIbanLengthMsg;
}

void TestCheckRules::iban() {
    QFETCH(QString, iban);
    QFETCH(Outcome, outcome);
    QFETCH(QString, message);
    compareResult(checkIban(iban), outcome, message);
}

void TestCheckRules::mod97InPieces_data() {
    QTest::addColumn<QString>("digits");
    QTest::addColumn<int>("remainder");

    QTest::newRow("short") << "96" << 96;
    QTest::newRow("nine digits") << "123456789" << 39;
    QTest::newRow("prepared IBAN") << "3214282912345698765432161182" << 1;
    QTest::newRow("nines") << "99999999999999999999999999999999999999" << 94;
    QTest::newRow("zeros in the carry") << "1000000000000000000000000000000000000000012" << 91;
}

void TestCheckRules::mod97InPieces() {
    QFETCH(QString, digits);
    QFETCH(int, remainder);
    QCOMPARE(mod97(digits), remainder);
}

void TestCheckRules::fiscalFieldChoosesVatScreen_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("vat");
    QTest::newRow("11 digits") << "12345670157" << true;
    QTest::newRow("other digits") << "0123" << true;
    QTest::newRow("digits with blanks around") << " 12345670157 " << true;
    QTest::newRow("fiscal code") << "RSSMRA85T10A562S" << false;
    QTest::newRow("one letter") << "1234567015A" << false;
    QTest::newRow("blank inside") << "12345 670157" << false;
    QTest::newRow("empty") << "" << false;
}

void TestCheckRules::fiscalFieldChoosesVatScreen() {
    QFETCH(QString, value);
    QFETCH(bool, vat);
    QCOMPARE(fiscalFieldIsVatNumber(value), vat);
}

QTEST_GUILESS_MAIN(TestCheckRules)
#include "TestCheckRules.moc"
