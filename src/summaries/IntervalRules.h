#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace dp::summaries {

// Items of the day boxes, "01" to "31", and of the month boxes, "Gennaio" to "Dicembre".
QStringList dayItems();
QStringList monthItems();
// "01" to "12" for a month name (compared lower-cased and trimmed); empty when unknown.
QString monthNumber(QStringView name);

// What the interval selection reads from its controls when "Visualizza riepilogo" is pressed.
struct IntervalInput {
    QString year;       // txtAnno, as typed
    QString dayStart;   // txtGiornoInizio
    QString monthStart; // txtMeseInizio
    QString yearStart;  // lblAnnoInizio
    QString dayEnd;
    QString monthEnd;
    QString yearEnd;
};

// Where the focus goes after a failed check.
enum class IntervalFocus { Stay, Anno, GiornoInizio, MeseInizio, GiornoFine, MeseFine };

struct IntervalCheck {
    bool ok = false;
    bool warning = false; // a warning notice; otherwise a plain message
    QString text;
    IntervalFocus focus = IntervalFocus::Stay;
    // The built date texts, as far as they were built (they fill lblDataInizio/lblDataFine).
    QString start;
    QString end;
};

// The checks of the interval, in order; the first that fails decides the outcome.
IntervalCheck checkInterval(const IntervalInput& in);

// "dd/mm/yyyy" (also with one-digit day or month) as a comparable number yyyymmdd, or 0 when
// the text is not a real calendar date.
int dateKey(QStringView text);
int dateKey(const char* bytes, int size);

} // namespace dp::summaries
