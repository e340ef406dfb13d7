#pragma once

#include "export/ExportConfig.h"
#include "export/ExportRows.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace dp::exports {

// Called now and then with the rows written so far; returning false stops the export.
using ExportProgress = std::function<bool(qint64 done, qint64 total)>;

// The spreadsheet file: an HTML table behind the workbook declarations of the Office HTML
// format, all on one line, in Windows-1252 without a byte order mark. Header and cell texts
// are escaped (& < >), so every cell reads back as stored.
class SpreadsheetWriter {
  public:
    // DiskFull: the file did not fit on its disk (a failure the user can act on).
    enum class Result { Written, Failed, DiskFull, Cancelled };

    // Writes the whole file to `device`, row after row of `rows`; fails when a row could not
    // be read, so that a file missing rows is never taken for the archive.
    static Result write(QIODevice& device, const ExportConfig& config, const TextRows& rows,
                        const ExportProgress& progress = {});

    // Writes the file into `path` under a temporary name beside it and puts it in place of
    // the old file only when complete: on failure or when stopped the old file stays as it was.
    static Result save(const QString& path, const ExportConfig& config, const TextRows& rows,
                       const ExportProgress& progress = {});

    // Appends `text` with &, < and > escaped.
    static void appendEscaped(QByteArray& out, QByteArrayView text);
};

} // namespace dp::exports
