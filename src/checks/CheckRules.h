#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The rules behind the four identifier checks: fiscal code, VAT number, credit card and IBAN.
// Each check returns the whole outcome, message text included, so the screens only show it.
namespace dp::checks {

enum class Outcome {
    Valid,      // the identifier passed; the screen reports and closes
    Wrong,      // the identifier failed; the screen reports and closes
    Incomplete, // wrong length or nothing typed; the screen stays open for a correction
};

enum class MessageKind { Warning, Information };

struct CheckResult {
    Outcome outcome;
    MessageKind kind;
    QString message;
    QString detail; // the office name of a VAT number or the kind of a card, when known

    bool keepsOpen() const { return outcome == Outcome::Incomplete; }
};

// True when `text` is not empty and holds only the digits 0-9.
bool isDecimalDigits(QStringView text);

// The fiscal-code field of a sheet holds a firm's VAT number when its trimmed text is not
// empty and all decimal digits: its check button then opens the VAT screen instead of the
// fiscal-code screen.
bool fiscalFieldIsVatNumber(QStringView value);

// --- Fiscal code -------------------------------------------------------------------------

inline constexpr int kFiscalCodeLength = 16;

// Value of one character of a fiscal code, from the odd-position or even-position table.
// Only "0" to "Z" are in the tables (the seven signs between "9" and "A" count 0); any other
// character has no value.
std::optional<int> fiscalCodeValue(QChar c, bool oddPosition);

// The check character of the first 15 characters of a fiscal code; none when one of them
// is outside the tables.
std::optional<QChar> fiscalCodeCheckChar(QStringView first15);

CheckResult checkFiscalCode(const QString& text);

// --- VAT number --------------------------------------------------------------------------

inline constexpr int kVatNumberLength = 11;

// The check digit of the first 10 digits of a VAT number; -1 when one is not a digit.
int vatCheckDigit(QStringView first10);

// The issuing office of a three-digit office code ("015" -> "Milano 1"); empty when unknown.
QString vatOfficeName(QStringView code);

CheckResult checkVatNumber(const QString& text);

// --- Credit card -------------------------------------------------------------------------

// The digits among the first 20 characters of the text, in their order.
QString cardDigits(QStringView text);

// The Luhn test: the last digit checks the others. An empty string fails.
bool luhnValid(QStringView digits);

// The kind of card named by the first digit of the digit string and the first two characters
// of the trimmed text; empty when neither names one.
QString cardKind(QStringView digits, QStringView trimmedText);

CheckResult checkCardNumber(const QString& text);

// --- IBAN --------------------------------------------------------------------------------

inline constexpr int kIbanLength = 27;

// The digit string of an IBAN: blanks removed, upper case, the first "IBAN" removed, the first
// four characters moved to the end, letters replaced by 10 ("A") to 35 ("Z"). None when a
// character is neither a letter, a digit nor a blank.
std::optional<QString> ibanDigitString(QStringView text);

// The remainder modulo 97 of a digit string, taken in pieces of at most nine digits.
int mod97(QStringView digits);

CheckResult checkIban(const QString& text);

} // namespace dp::checks
