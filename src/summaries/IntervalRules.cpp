#include "summaries/IntervalRules.h"

#include "storage/TextValues.h"

namespace dp::summaries {

namespace {

const char* const kMonths[12] = {"Gennaio",   "Febbraio", "Marzo",    "Aprile",
                                 "Maggio",    "Giugno",   "Luglio",   "Agosto",
                                 "Settembre", "Ottobre",  "Novembre", "Dicembre"};

// Four control characters: line feed, carriage return, twice.
const QString kBreak = QStringLiteral("\n\r\n\r");

QString missing(const char* what) {
    return QStringLiteral(
               "Attenzione: indicare il %1 intervallo selezionandolo dall'elenco a cascata.")
        .arg(QString::fromUtf8(what));
}

QString buildDate(const QString& day, const QString& month, const QString& year) {
    return text::trim(day) + QLatin1Char('/') + monthNumber(month) + QLatin1Char('/') +
           text::trim(year);
}

} // namespace

QStringList dayItems() {
    QStringList items;
    for (int d = 1; d <= 31; ++d)
        items.append(QStringLiteral("%1").arg(d, 2, 10, QLatin1Char('0')));
    return items;
}

QStringList monthItems() {
    QStringList items;
    for (const char* m : kMonths)
        items.append(QString::fromLatin1(m));
    return items;
}

QString monthNumber(QStringView name) {
    const QString key = text::lowerAscii(text::trim(name));
    for (int m = 0; m < 12; ++m)
        if (key == text::lowerAscii(QString::fromLatin1(kMonths[m])))
            return QStringLiteral("%1").arg(m + 1, 2, 10, QLatin1Char('0'));
    return {};
}

IntervalCheck checkInterval(const IntervalInput& in) {
    IntervalCheck r;
    auto fail = [&r](bool warning, IntervalFocus focus, QString text) {
        r.warning = warning;
        r.focus = focus;
        r.text = std::move(text);
        return r;
    };
    if (in.year.size() != 4)
        return fail(
            true, IntervalFocus::Anno,
            QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
    if (text::isBlank(in.dayStart))
        return fail(true, IntervalFocus::GiornoInizio, missing("giorno di inizio"));
    if (text::isBlank(in.monthStart))
        return fail(true, IntervalFocus::MeseInizio, missing("mese di inizio"));
    if (text::isBlank(in.dayEnd))
        return fail(true, IntervalFocus::GiornoFine, missing("giorno di fine"));
    if (text::isBlank(in.monthEnd))
        return fail(true, IntervalFocus::MeseFine, missing("mese di fine"));

    const QString validDate = QStringLiteral("Per poter visualizzare il riepilogo è necessario "
                                             "indicare una data valida.");
    r.start = buildDate(in.dayStart, in.monthStart, in.yearStart);
    const int start = dateKey(r.start);
    if (!start)
        return fail(false, IntervalFocus::GiornoInizio,
                    QStringLiteral("Attenzione: la data ") + r.start +
                        QStringLiteral(" di inizio intervallo non esiste.") + kBreak + validDate);
    r.end = buildDate(in.dayEnd, in.monthEnd, in.yearEnd);
    const int end = dateKey(r.end);
    if (!end)
        return fail(false, IntervalFocus::GiornoFine,
                    QStringLiteral("Attenzione: la data ") + r.end +
                        QStringLiteral(" di fine intervallo non esiste.") + kBreak + validDate);
    if (start > end)
        return fail(
            false, IntervalFocus::Stay,
            QStringLiteral("Attenzione: la data di fine intervallo (") + r.end +
                QStringLiteral(") non può essere anteriore a quella di inizio intervallo (") +
                r.start + QStringLiteral(").") + kBreak +
                QStringLiteral("Per poter visualizzare il riepilogo è necessario indicare "
                               "un intervallo di tempo valido."));
    r.ok = true;
    return r;
}

int dateKey(QStringView text) {
    const auto d = dp::text::parseDate(text);
    return d ? d->year() * 10000 + d->month() * 100 + d->day() : 0;
}

int dateKey(const char* b, int n) {
    // The stored form is always dd/mm/yyyy; anything else takes the general reader.
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (n == 10 && b[2] == '/' && b[5] == '/' && digit(b[0]) && digit(b[1]) && digit(b[3]) &&
        digit(b[4]) && digit(b[6]) && digit(b[7]) && digit(b[8]) && digit(b[9])) {
        const int day = (b[0] - '0') * 10 + (b[1] - '0');
        const int month = (b[3] - '0') * 10 + (b[4] - '0');
        const int year =
            (b[6] - '0') * 1000 + (b[7] - '0') * 100 + (b[8] - '0') * 10 + (b[9] - '0');
        return year >= 1 && QDate::isValid(year, month, day) ? year * 10000 + month * 100 + day : 0;
    }
    return dateKey(QString::fromLatin1(b, n));
}

} // namespace dp::summaries
