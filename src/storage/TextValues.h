#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// Text forms of values, fixed for the whole program and independent of the system locale:
// dates "dd/mm/yyyy", a comma as decimal separator, no thousands separator.
namespace dp::text {

// The one trim rule, for typed text and record bytes alike (Windows-1252 keeps codes 0-32
// where they are): a character or byte of code 32 or lower is a blank at either end.
constexpr bool isTrimmed(char32_t code) {
    return code <= 32;
}
// Removes characters with code 32 or lower from both ends.
QString trim(QStringView s);
bool isBlank(QStringView s);
// Case folding of the ASCII letters only; accented letters are left alone.
QString upperAscii(QStringView s);
QString lowerAscii(QStringView s);
// Stored text quoted in a message box: each control character (NUL, ESC, a line break...)
// shown as its visible symbol (U+2400-U+241F, U+2421 for DEL), so that the box shows what the
// record holds instead of cutting or garbling it.
QString visibleControls(QStringView s);

QString formatDate(const QDate& date);         // 05/03/2024
std::optional<QDate> parseDate(QStringView s); // strict dd/mm/yyyy, real calendar date
QString formatTime(const QTime& time);         // 14:05:09

// A decimal number with a comma separator; blanks around it are allowed, a point is not.
std::optional<double> parseNumber(QStringView s);
// Shortest decimal text, at most 15 significant digits: 37,5; 40; -3; 0,1234.
QString formatNumber(double value);

// Normalisations applied when the user leaves a numeric field.
QString normaliseWhole(QStringView s);  // "" -> 0, 2,5 -> 3, junk -> 0
QString normaliseAmount(QStringView s); // "" -> 0,00, 3 -> 3,00, 3,14159 -> 3,1416
// Brings a number to 4 decimals (halves up) and prints it with 2 to 4 decimals.
QString formatAmount(double value);
// Appends ",00" or "0" so that a printed number shows at least two decimals.
QString padDecimals(QString printed);

// Halves-up rounding as the program has always done it: add 0,5, drop the fraction.
double roundWhole(double v);
double round4(double v);

} // namespace dp::text
