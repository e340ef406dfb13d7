#include "storage/TextValues.h"

#include <QTime>

#include <charconv>
#include <cmath>
#include <cstdio>

namespace dp::text {

QString trim(QStringView s) {
    qsizetype b = 0, e = s.size();
    while (b < e && isTrimmed(s[b].unicode()))
        ++b;
    while (e > b && isTrimmed(s[e - 1].unicode()))
        --e;
    return s.mid(b, e - b).toString();
}

bool isBlank(QStringView s) {
    for (QChar c : s)
        if (c.unicode() > 32)
            return false;
    return true;
}

QString upperAscii(QStringView s) {
    QString r = s.toString();
    for (QChar& c : r)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return r;
}

QString lowerAscii(QStringView s) {
    QString r = s.toString();
    for (QChar& c : r)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + 32);
    return r;
}

QString visibleControls(QStringView s) {
    QString r = s.toString();
    for (QChar& c : r)
        if (c.unicode() < 32)
            c = QChar(0x2400 + c.unicode());
        else if (c.unicode() == 127)
            c = QChar(0x2421);
    return r;
}

QString formatDate(const QDate& d) {
    return QStringLiteral("%1/%2/%3")
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.year(), 4, 10, QLatin1Char('0'));
}

QString formatTime(const QTime& t) {
    return QStringLiteral("%1:%2:%3")
        .arg(t.hour(), 2, 10, QLatin1Char('0'))
        .arg(t.minute(), 2, 10, QLatin1Char('0'))
        .arg(t.second(), 2, 10, QLatin1Char('0'));
}

static bool digitsOnly(QStringView s) {
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

std::optional<QDate> parseDate(QStringView in) {
    const QString s = trim(in);
    // Day and month of one or two digits, year of one to four, as the date reader accepts.
    const auto parts = QStringView(s).split(QLatin1Char('/'));
    if (parts.size() != 3)
        return std::nullopt;
    for (auto p : parts)
        if (!digitsOnly(p) || p.size() > 4)
            return std::nullopt;
    if (parts[0].size() > 2 || parts[1].size() > 2)
        return std::nullopt;
    const QDate d(parts[2].toInt(), parts[1].toInt(), parts[0].toInt());
    if (!d.isValid() || d.year() < 1)
        return std::nullopt;
    return d;
}

std::optional<double> parseNumber(QStringView in) {
    const QString s = trim(in);
    if (s.isEmpty())
        return std::nullopt;
    // sign, digits, optional comma and digits, optional exponent
    QByteArray ascii;
    ascii.reserve(s.size());
    qsizetype i = 0;
    const qsizetype n = s.size();
    if (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))
        ascii.append(char(s[i++].unicode()));
    int mantissaDigits = 0;
    while (i < n && s[i].isDigit() && s[i].unicode() < 128) {
        ascii.append(char(s[i++].unicode()));
        ++mantissaDigits;
    }
    if (i < n && s[i] == QLatin1Char(',')) {
        ascii.append('.');
        ++i;
        while (i < n && s[i].unicode() >= '0' && s[i].unicode() <= '9') {
            ascii.append(char(s[i++].unicode()));
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        ascii.append('e');
        ++i;
        if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
            ascii.append(char(s[i++].unicode()));
        int expDigits = 0;
        while (i < n && s[i].unicode() >= '0' && s[i].unicode() <= '9') {
            ascii.append(char(s[i++].unicode()));
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    double v = 0;
    const char* first = ascii.constData();
    if (*first == '+')
        ++first;
    const auto res = std::from_chars(first, ascii.constData() + ascii.size(), v);
    if (res.ec != std::errc() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString formatNumber(double v) {
    if (v == 0)
        return QStringLiteral("0");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    QString s = QString::fromLatin1(buf);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    // "1e-05" style exponents keep their letter upper-case and lose the padding zero.
    const qsizetype e = s.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        QString mant = s.left(e);
        int exp = s.mid(e + 1).toInt();
        s = mant + QStringLiteral("E") + QString::number(exp);
    }
    return s;
}

double roundWhole(double v) {
    return std::trunc(v + 0.5);
}

double round4(double v) {
    // Beyond 15 digits a double holds no decimals, and scaling could overflow to infinity.
    if (std::fabs(v) >= 1e15)
        return v;
    return std::trunc(v * 10000.0 + 0.5) / 10000.0;
}

QString padDecimals(QString s) {
    // Decimals after an exponent would make the number unreadable: it stays as printed.
    if (s.contains(QLatin1Char('E')))
        return s;
    const qsizetype comma = s.indexOf(QLatin1Char(','));
    if (comma < 0)
        s += QStringLiteral(",00");
    else if (comma == s.size() - 2)
        s += QLatin1Char('0');
    return s;
}

QString normaliseWhole(QStringView s) {
    const auto v = parseNumber(s);
    if (!v)
        return QStringLiteral("0");
    return formatNumber(roundWhole(*v));
}

QString formatAmount(double v) {
    return padDecimals(formatNumber(round4(v)));
}

QString normaliseAmount(QStringView s) {
    const auto v = parseNumber(s);
    if (!v)
        return QStringLiteral("0,00");
    return formatAmount(*v);
}

} // namespace dp::text
