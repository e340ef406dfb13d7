#pragma once

#include "storage/RecordRows.h"
#include "summaries/MovementSummaryConfig.h"

#include <QString>
#include <QStringList>

namespace dp::summaries {

// What the interval selection hands to the summary list.
struct MovementRequest {
    QString journalPath;
    QString codeFilter; // as typed
    QString start;      // dd/mm/yyyy, already checked
    QString end;
};

struct MovementLoad {
    // The listed movements by position, their lines built when shown; the journal's records
    // appended after the scan began are not among them.
    RecordRows lines;
    // The text for titTipologia once a record has been examined under the filter rule;
    // null while no record set it (the label keeps its design text).
    QString titTipologia;
    // Position of the movement whose date could not be read; loading stopped there.
    qint64 stoppedAt = 0;
    QString badDate;
    // The journal could not be opened or read; the lines read before stay.
    bool accessFailed = false;
    bool busy = false; // the failure: another workstation kept the journal locked
    bool complete() const { return !stoppedAt && !accessFailed; }
};

// Reads the journal once, in blocks, picking the movements of the interval (both ends
// included) whose code contains the filter; a filter of blanks keeps every code. A missing
// journal is created empty. Only the positions are kept; the lines are made from the
// journal's records when asked for, for as long as the result (or a copy) lives.
MovementLoad loadMovements(const MovementSummaryConfig& kind, const MovementRequest& request);

// The interval label: "Dal   " + start + "   al   " + end.
QString intervalLabel(const QString& start, const QString& end);

// The printed memo: every list line, then the separator, the interval and the count.
QStringList movementMemo(const QStringList& lines, const QString& intervallo,
                         const QString& totale);

// The warning that the list stops before a movement whose date cannot be read.
QString movementStopText(qint64 position, const QString& badDate);

} // namespace dp::summaries
