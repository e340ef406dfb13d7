#include "export/SpreadsheetWriter.h"

#include "storage/StorageError.h"
#include "storage/Win1252.h"

#include <QIODevice>
#include <QSaveFile>

#include <vector>

namespace dp::exports {

namespace {

constexpr char kOpening[] =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\">"
    "<head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<!--[if gte mso 9]><xml>"
    "<x:ExcelWorkbook>"
    "<x:ExcelWorksheets>"
    "<x:ExcelWorksheet>"
    "<x:Name>";
constexpr char kAfterName[] = "</x:Name>"
                              "<x:WorksheetOptions>"
                              "<x:Selected/>"
                              "<x:Panes>"
                              "<x:Pane>"
                              "<x:Number>1</x:Number>"
                              "<x:ActiveRow>3</x:ActiveRow>"
                              "</x:Pane>"
                              "</x:Panes>"
                              "<x:ProtectContents>False</x:ProtectContents>"
                              "<x:ProtectObjects>False</x:ProtectObjects>"
                              "<x:ProtectScenarios>False</x:ProtectScenarios>"
                              "</x:WorksheetOptions>"
                              "</x:ExcelWorksheet>"
                              "</x:ExcelWorksheets>"
                              "</x:ExcelWorkbook>"
                              "</xml><![endif]-->"
                              "</head>"
                              "<body>"
                              "<table x:str>";
constexpr char kHeaderCell[] = "<td style=\"text-align: left; font-weight: bold;\" width=";
// mso-number-format is read by one spreadsheet program, sdnum by the other.
constexpr char kTextCell[] =
    "<td style=\"text-align: left; mso-number-format:'\\@';\" sdnum=\"1040;0;@\">";
constexpr char kPlainCell[] = "<td style=\"text-align: left;\">";
constexpr char kRightCell[] = "<td style=\"text-align: right;\">";
constexpr char kClosing[] = "</table></body></html>";

template <qsizetype N> void put(QByteArray& out, const char (&s)[N]) {
    out.append(s, N - 1);
}

QByteArrayView opening(CellKind kind) {
    switch (kind) {
    case CellKind::Plain:
        return kPlainCell;
    case CellKind::Right:
        return kRightCell;
    case CellKind::Text:
        break;
    }
    return kTextCell;
}

constexpr qsizetype kFlushAt = 1 << 20;
constexpr qint64 kRowsPerStep = 4096;

bool flush(QIODevice& device, QByteArray& buffer) {
    const bool ok = device.write(buffer) == buffer.size();
    buffer.clear();
    return ok;
}

} // namespace

void SpreadsheetWriter::appendEscaped(QByteArray& out, QByteArrayView text) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const char* q = p;
        while (q < end && *q != '&' && *q != '<' && *q != '>')
            ++q;
        out.append(p, q - p);
        if (q == end)
            break;
        if (*q == '&')
            put(out, "&amp;");
        else if (*q == '<')
            put(out, "&lt;");
        else
            put(out, "&gt;");
        p = q + 1;
    }
}

SpreadsheetWriter::Result SpreadsheetWriter::write(QIODevice& device, const ExportConfig& config,
                                                   const ExportRows& rows,
                                                   const ExportProgress& progress) {
    QByteArray out;
    out.reserve(kFlushAt + 64 * 1024);
    put(out, kOpening);
    appendEscaped(out, win1252::encode(QString::fromUtf8(config.worksheet)));
    put(out, kAfterName);
    put(out, "<tr>");
    for (int c = 0; c < config.columnCount(); ++c) {
        put(out, kHeaderCell);
        out.append(QByteArray::number(config.columns[c].width));
        out.append('>');
        appendEscaped(out, win1252::encode(config.header(c)));
        put(out, "</td>");
    }
    put(out, "</tr>");

    const int columns = config.columnCount();
    std::vector<QByteArrayView> openings;
    for (int c = 0; c < columns; ++c)
        openings.push_back(opening(config.columns[c].kind));

    const qint64 total = rows.rowCount();
    try {
        for (qint64 r = 0; r < total; ++r) {
            put(out, "<tr>");
            for (int c = 0; c < columns; ++c) {
                out.append(openings[c]);
                appendEscaped(out, rows.cell(r, c));
                put(out, "</td>");
            }
            put(out, "</tr>");
            if (out.size() >= kFlushAt && !flush(device, out))
                return Result::Failed;
            if (progress && (r + 1) % kRowsPerStep == 0 && !progress(r + 1, total))
                return Result::Cancelled;
        }
    } catch (const StorageError&) {
        return Result::Failed;
    }
    put(out, kClosing);
    if (!flush(device, out))
        return Result::Failed;
    if (progress)
        progress(total, total);
    return Result::Written;
}

SpreadsheetWriter::Result SpreadsheetWriter::save(const QString& path, const ExportConfig& config,
                                                  const ExportRows& rows,
                                                  const ExportProgress& progress) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Result::Failed;
    const Result r = write(file, config, rows, progress);
    if (r != Result::Written) {
        file.cancelWriting();
        return r;
    }
    return file.commit() ? Result::Written : Result::Failed;
}

} // namespace dp::exports
