#include "checks/CheckRules.h"

#include "storage/TextValues.h"

#include <array>

namespace dp::checks {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isUpperLetter(QChar c) {
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}

CheckResult result(Outcome outcome, const QString& message, const QString& detail = {}) {
    const MessageKind kind =
        outcome == Outcome::Valid ? MessageKind::Information : MessageKind::Warning;
    return {outcome, kind, message, detail};
}

// The published conversion tables of the fiscal code, indexed from "0" (code 48) to "Z"
// (code 90): digits, then the seven signs ":" to "@" (worth nothing), then the letters.
constexpr char16_t kTableFirst = u'0';
constexpr std::array<int, 43> kOddValues = {
    1,  0,  5,  7,  9,  13, 15, 17, 19, 21,                            // 0-9
    0,  0,  0,  0,  0,  0,  0,                                         // : ; < = > ? @
    1,  0,  5,  7,  9,  13, 15, 17, 19, 21, 2, 4, 18, 20, 11, 3, 6, 8, // A-R
    12, 14, 16, 10, 22, 25, 24, 23,                                    // S-Z
};
constexpr std::array<int, 43> kEvenValues = {
    0,  1,  2,  3,  4,  5,  6,  7,  8, 9,                                 // 0-9
    0,  0,  0,  0,  0,  0,  0,                                            // : ; < = > ? @
    0,  1,  2,  3,  4,  5,  6,  7,  8, 9, 10, 11, 12, 13, 14, 15, 16, 17, // A-R
    18, 19, 20, 21, 22, 23, 24, 25,                                       // S-Z
};

struct Office {
    const char* code;
    const char* name; // UTF-8
};

// The issuing offices by the code in digits 8 to 10 of a VAT number.
constexpr std::array<Office, 104> kOffices = {{
    {"001", "Torino"},
    {"002", "Vercelli"},
    {"003", "Novara"},
    {"004", "Cuneo"},
    {"005", "Asti"},
    {"006", "Alessandria"},
    {"007", "Aosta"},
    {"008", "Imperia"},
    {"009", "Savona"},
    {"010", "Genova 1"},
    {"011", "La Spezia"},
    {"012", "Varese"},
    {"013", "Como"},
    {"014", "Sondrio"},
    {"015", "Milano 1"},
    {"016", "Bergamo"},
    {"017", "Brescia 1"},
    {"018", "Pavia"},
    {"019", "Cremona"},
    {"020", "Mantova"},
    {"021", "Bolzano"},
    {"022", "Trento"},
    {"023", "Verona"},
    {"024", "Vicenza"},
    {"025", "Belluno"},
    {"026", "Treviso"},
    {"027", "Venezia"},
    {"028", "Padova"},
    {"029", "Rovigo"},
    {"030", "Udine"},
    {"031", "Gorizia"},
    {"032", "Trieste"},
    {"033", "Piacenza"},
    {"034", "Parma"},
    {"035", "Reggio Emilia"},
    {"036", "Modena"},
    {"037", "Bologna 1"},
    {"038", "Ferrara"},
    {"039", "Ravenna"},
    {"040", "Forlì"},
    {"041", "Pesaro"},
    {"042", "Ancona"},
    {"043", "Macerata"},
    {"044", "Ascoli Piceno"},
    {"045", "Massa Carrara"},
    {"046", "Lucca"},
    {"047", "Pistoia"},
    {"048", "Firenze 1"},
    {"049", "Livorno"},
    {"050", "Pisa"},
    {"051", "Arezzo"},
    {"052", "Siena"},
    {"053", "Grosseto"},
    {"054", "Perugia"},
    {"055", "Terni"},
    {"056", "Viterbo"},
    {"057", "Rieti"},
    {"058", "Roma 1"},
    {"059", "Latina"},
    {"060", "Frosinone"},
    {"061", "Caserta"},
    {"062", "Benevento"},
    {"063", "Napoli 1"},
    {"064", "Avellino"},
    {"065", "Salerno"},
    {"066", "Aquila"},
    {"067", "Teramo"},
    {"068", "Pescara"},
    {"069", "Chieti"},
    {"070", "Campobasso"},
    {"071", "Foggia"},
    {"072", "Bari"},
    {"073", "Taranto"},
    {"074", "Brindisi"},
    {"075", "Lecce"},
    {"076", "Potenza"},
    {"077", "Matera"},
    {"078", "Cosenza"},
    {"079", "Catanzaro"},
    {"080", "Reggio Calabria"},
    {"081", "Trapani"},
    {"082", "Palermo"},
    {"083", "Messina"},
    {"084", "Agrigento"},
    {"085", "Caltanissetta"},
    {"086", "Enna"},
    {"087", "Catania"},
    {"088", "Ragusa"},
    {"089", "Siracusa"},
    {"090", "Sassari"},
    {"091", "Nuoro"},
    {"092", "Cagliari"},
    {"093", "Pordenone"},
    {"094", "Isernia"},
    {"095", "Oristano"},
    {"096", "Monza (Milano 2)"},
    {"097", "Prato (Firenze 2)"},
    {"098", "Brescia 2"},
    {"099", "Chiavari (Genova 2)"},
    {"100", "Roma 2"},
    {"101", "Bologna 2"},
    {"102", "Napoli 2"},
    {"120", "Bologna 2"},
    {"121", "Napoli 2"},
}};

const QString kFiscalLengthMsg = QStringLiteral(
    "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString kFiscalValid = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString kFiscalWrong = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");

const QString kVatLengthMsg =
    QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString kVatValid = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.");
const QString kVatOffice =
    QStringLiteral("\r\n\r\nE' stato rilasciato dall'Ufficio IVA del Comune di ");
const QString kVatNoOffice =
    QStringLiteral("\r\n\r\nL'Ufficio IVA che lo ha rilasciato non è noto.");
const QString kVatWrong = QStringLiteral(
    "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi "
    "possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.");

const QString kCardEmpty = QStringLiteral(
    "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di "
    "controllo.");
const QString kCardWrong = QStringLiteral(
    "Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi possibile fornire "
    "informazioni relative al tipo di carta di credito.");

const QString kIbanLengthMsg =
    QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
const QString kIbanValid = QStringLiteral("L'IBAN digitato è VALIDO.");
const QString kIbanWrong = QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!");

constexpr int kCardCharsRead = 20;
constexpr int kChunkDigits = 9;

} // namespace

bool isDecimalDigits(QStringView text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (!isDigit(c))
            return false;
    return true;
}

// --- Fiscal code -------------------------------------------------------------------------

std::optional<int> fiscalCodeValue(QChar c, bool oddPosition) {
    const int index = int(c.unicode()) - int(kTableFirst);
    if (index < 0 || index >= int(kOddValues.size()))
        return std::nullopt;
    return oddPosition ? kOddValues[index] : kEvenValues[index];
}

std::optional<QChar> fiscalCodeCheckChar(QStringView first15) {
    int sum = 0;
    for (qsizetype i = 0; i < first15.size(); ++i) {
        // Positions count from 1, so index 0 is the first odd position.
        const std::optional<int> v = fiscalCodeValue(first15[i], i % 2 == 0);
        if (!v)
            return std::nullopt;
        sum += *v;
    }
    return QChar(u'A' + sum % 26);
}

CheckResult checkFiscalCode(const QString& text) {
    const QString code = text::upperAscii(text);
    if (code.size() != kFiscalCodeLength)
        return result(Outcome::Incomplete, kFiscalLengthMsg);
    const std::optional<QChar> expected = fiscalCodeCheckChar(QStringView(code).first(15));
    if (expected && code[15] == *expected)
        return result(Outcome::Valid, kFiscalValid);
    return result(Outcome::Wrong, kFiscalWrong);
}

// --- VAT number --------------------------------------------------------------------------

int vatCheckDigit(QStringView first10) {
    int sum = 0;
    for (qsizetype i = 0; i < first10.size(); ++i) {
        if (!isDigit(first10[i]))
            return -1;
        int d = first10[i].unicode() - u'0';
        if (i % 2 == 1) { // positions 2, 4, ..., 10: double and add the two digits
            d *= 2;
            d = d / 10 + d % 10;
        }
        sum += d;
    }
    return (10 - sum % 10) % 10;
}

QString vatOfficeName(QStringView code) {
    for (const Office& o : kOffices)
        if (code == QLatin1String(o.code))
            return QString::fromUtf8(o.name);
    return {};
}

CheckResult checkVatNumber(const QString& text) {
    const QString number = text::upperAscii(text);
    if (number.size() != kVatNumberLength)
        return result(Outcome::Incomplete, kVatLengthMsg);
    const bool valid = isDecimalDigits(number) &&
                       vatCheckDigit(QStringView(number).first(10)) == number[10].unicode() - u'0';
    if (!valid)
        return result(Outcome::Wrong, kVatWrong);
    const QString office = vatOfficeName(QStringView(number).sliced(7, 3));
    if (office.isEmpty())
        return result(Outcome::Valid, kVatValid + kVatNoOffice);
    return result(Outcome::Valid, kVatValid + kVatOffice + office + QLatin1Char('.'), office);
}

// --- Credit card -------------------------------------------------------------------------

QString cardDigits(QStringView text) {
    QString digits;
    for (QChar c : text.first(qMin<qsizetype>(text.size(), kCardCharsRead)))
        if (isDigit(c))
            digits.append(c);
    return digits;
}

bool luhnValid(QStringView digits) {
    if (digits.isEmpty() || !isDecimalDigits(digits))
        return false;
    int sum = 0;
    bool doubled = true; // the digit left of the check digit is the first doubled one
    for (qsizetype i = digits.size() - 2; i >= 0; --i, doubled = !doubled) {
        int d = digits[i].unicode() - u'0';
        if (doubled) {
            d *= 2;
            if (d > 9)
                d -= 9;
        }
        sum += d;
    }
    return digits.last().unicode() - u'0' == (10 - sum % 10) % 10;
}

QString cardKind(QStringView digits, QStringView trimmedText) {
    if (digits.isEmpty())
        return {};
    switch (digits[0].unicode()) {
    case u'3': {
        const QStringView two = trimmedText.first(qMin<qsizetype>(trimmedText.size(), 2));
        const auto in = [two](std::initializer_list<const char*> pairs) {
            for (const char* p : pairs)
                if (two == QLatin1String(p))
                    return true;
            return false;
        };
        if (in({"30", "36", "38"}))
            return QStringLiteral("Diner's Club / Carte Blanche");
        if (in({"34", "37"}))
            return QStringLiteral("American Express");
        if (in({"31", "33", "35"}))
            return QStringLiteral("JCB");
        return {};
    }
    case u'4':
        return QStringLiteral("Visa");
    case u'5':
        return QStringLiteral("MasterCard");
    case u'6':
        return QStringLiteral("Discover");
    default:
        return {};
    }
}

CheckResult checkCardNumber(const QString& text) {
    const QString trimmed = text::trim(text);
    if (trimmed.isEmpty())
        return result(Outcome::Incomplete, kCardEmpty);
    const QString digits = cardDigits(text);
    const QString kind = luhnValid(digits) ? cardKind(digits, trimmed) : QString();
    if (kind.isEmpty())
        return result(Outcome::Wrong, kCardWrong);
    return result(Outcome::Valid,
                  QStringLiteral("Il numero di carta di credito ") + trimmed +
                      QStringLiteral(" risulta valido.\r\n\r\nLa carta di credito è del tipo ") +
                      kind + QLatin1Char('.'),
                  kind);
}

// --- IBAN --------------------------------------------------------------------------------

std::optional<QString> ibanDigitString(QStringView text) {
    QString s = text::upperAscii(text);
    s.remove(QLatin1Char(' '));
    const qsizetype iban = s.indexOf(QLatin1String("IBAN"));
    if (iban >= 0)
        s.remove(iban, 4);
    const qsizetype head = qMin<qsizetype>(s.size(), 4);
    s = s.mid(head) + s.first(head);

    QString digits;
    digits.reserve(s.size() * 2);
    for (QChar c : s) {
        if (isDigit(c))
            digits.append(c);
        else if (isUpperLetter(c))
            digits.append(QString::number(c.unicode() - u'A' + 10));
        else
            return std::nullopt; // signs and other letters would reach the number reader
    }
    return digits;
}

int mod97(QStringView digits) {
    QString carry;
    qsizetype pos = 0;
    while (pos < digits.size()) {
        const qsizetype take = qMin<qsizetype>(kChunkDigits - carry.size(), digits.size() - pos);
        carry += digits.sliced(pos, take);
        pos += take;
        bool ok = false;
        const qlonglong n = carry.toLongLong(&ok);
        if (!ok)
            return 0;
        carry = QString::number(n % 97);
    }
    return carry.isEmpty() ? 0 : carry.toInt();
}

CheckResult checkIban(const QString& text) {
    const QString trimmed = text::trim(text);
    if (trimmed.size() != kIbanLength)
        return result(Outcome::Incomplete, kIbanLengthMsg);
    const std::optional<QString> digits = ibanDigitString(trimmed);
    if (digits && !digits->isEmpty() && mod97(*digits) == 1)
        return result(Outcome::Valid, kIbanValid);
    return result(Outcome::Wrong, kIbanWrong);
}

bool fiscalFieldIsVatNumber(QStringView value) {
    return isDecimalDigits(text::trim(value));
}

} // namespace dp::checks
