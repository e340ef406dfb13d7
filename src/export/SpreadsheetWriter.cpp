#include "export/SpreadsheetWriter.h"

#include "storage/SafeFile.h"
#include "storage/Win1252.h"

#include <QFileInfo>
#include <QIODevice>

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

bool needsEscaping(const char* p, qsizetype n) {
    for (const char* end = p + n; p < end; ++p)
        if (*p == '&' || *p == '<' || *p == '>')
            return true;
    return false;
}

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
                                                   const TextRows& rows,
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

    // The tags between the cells of a row, joined: before[0] opens the row and its first
    // cell, before[c] closes cell c - 1 and opens cell c. Each cell is made straight into the
    // output and escaped there in the rare case it needs it: a million rows are written with
    // as few copies as can be.
    const int columns = config.columnCount();
    std::vector<QByteArray> before;
    for (int c = 0; c < columns; ++c)
        before.push_back((c == 0 ? QByteArray("<tr>") : QByteArray("</td>")) +
                         opening(config.columns[c].kind).toByteArray());
    const QByteArray rowEnd = columns ? QByteArray("</td></tr>") : QByteArray("<tr></tr>");

    const qint64 total = rows.count();
    QByteArray cell;
    for (qint64 r = 0; r < total; ++r) {
        for (int c = 0; c < columns; ++c) {
            out.append(before[c]);
            const qsizetype at = out.size();
            rows.cell(r, c, out);
            if (needsEscaping(out.constData() + at, out.size() - at)) {
                cell = out.sliced(at);
                out.truncate(at);
                appendEscaped(out, cell);
            }
        }
        out.append(rowEnd);
        if (rows.failed())
            return Result::Failed;
        if (out.size() >= kFlushAt && !flush(device, out))
            return Result::Failed;
        if (progress && (r + 1) % kRowsPerStep == 0 && !progress(r + 1, total))
            return Result::Cancelled;
    }
    if (rows.failed())
        return Result::Failed;
    put(out, kClosing);
    if (!flush(device, out))
        return Result::Failed;
    if (progress)
        progress(total, total);
    return Result::Written;
}

SpreadsheetWriter::Result SpreadsheetWriter::save(const QString& path, const ExportConfig& config,
                                                  const TextRows& rows,
                                                  const ExportProgress& progress) {
    SafeFile file(path);
    const auto failed = [&file] {
        return file.failure() == WriteFailure::DiskFull ? Result::DiskFull : Result::Failed;
    };
    if (!file.open())
        return failed();
    Result r = write(file.device(), config, rows, progress);
    // Told apart before the partial file is cancelled, which gives its room back; rows that
    // could not be read are the archive's failure, not the disk's.
    if (r == Result::Failed && !rows.failed() &&
        diskspace::isFull(QFileInfo(path).absolutePath()))
        r = Result::DiskFull;
    if (r != Result::Written) {
        file.cancel();
        return r;
    }
    return file.commit() ? Result::Written : failed();
}

} // namespace dp::exports
