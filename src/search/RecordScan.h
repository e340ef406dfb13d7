#pragma once

#include "search/LineFormat.h"
#include "search/SelectionRules.h"
#include "storage/KeptLines.h"

#include <QList>
#include <QString>

#include <memory>

namespace dp::search {

// How a scan of an archive ended.
struct ScanEnd {
    qint64 stoppedAt = 0; // position of the record the rule could not judge
    QString stopReason;   // why, from the rule
    bool accessFailed = false;
    bool busy = false; // the failure: another workstation kept the archive locked
    bool complete() const { return !stoppedAt && !accessFailed; }
};

// The lines of a record list in list order, each with the archive position of its record.
struct RecordList : ScanEnd {
    std::shared_ptr<const TextRows> lines = std::make_shared<KeptLines>();
    QList<qint64> positions;
};

struct RecordCount : ScanEnd {
    qint64 count = 0;
};

// Reads the archive once, in blocks (created empty when missing), and lists every record
// the rule takes, one line each in `format`, sorted into the list order. Only the positions
// are kept: a line is made from its record, read again, when it is shown, found or printed.
// A record another workstation rewrites meanwhile shows as it is then, in the place its
// line had when the list was made.
RecordList listRecords(const QString& archivePath, const SelectionRule& rule,
                       const LineFormat& format);

// The same scan, counting the records the rule takes without building their lines.
RecordCount countRecords(const QString& archivePath, const RecordLayout& layout,
                         const SelectionRule& rule);

// The warning that a list ends before a record its rule cannot judge.
QString listStopText(qint64 position, const QString& reason);

} // namespace dp::search
