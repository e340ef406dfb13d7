#pragma once

#include "export/ExportConfig.h"
#include "export/ExportRows.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>

namespace dp::exports {

// The text of one export cell taken from a record's bytes: the field trimmed, or for a joined
// column both fields trimmed and joined with one blank (none when either part is empty).
// A joined cell is built in `scratch`; the view is valid until `scratch` changes.
QByteArrayView recordCell(const ExportConfig& config, int column, const char* record,
                          QByteArray& scratch);

struct SnapshotLoad {
    std::shared_ptr<const TextRows> rows;
    // The archive could not be opened or read; the rows read before stay.
    bool accessFailed = false;
    bool busy = false; // because another workstation kept it locked
    bool cancelled = false; // the user stopped the reading ("Annulla"); the rows are partial
};

// The export rows of the archive as it is now. A journal, only ever appended to, is counted
// and its cells are built from its records when shown or written, so that the grid of a
// million movements is ready at once; the other archives, whose records are rewritten in
// place, are read once, in blocks, into a snapshot of their cells. A missing archive is
// created empty. `progress(done, total)` is called now and then while a snapshot is taken;
// when it returns false, the reading stops there and the load is cancelled.
SnapshotLoad takeSnapshot(const ExportConfig& config, const QString& archivePath,
                          const std::function<bool(qint64, qint64)>& progress = {});

} // namespace dp::exports
