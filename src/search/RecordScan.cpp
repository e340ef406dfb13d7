#include "search/RecordScan.h"

#include "search/ListOrder.h"
#include "storage/RecordFile.h"

#include <optional>

namespace dp::search {

namespace {

// Runs the rule over the archive; `take` gets every record taken.
template <class Take>
void scanArchive(const QString& path, const RecordLayout& layout, const SelectionRule& rule,
                 ScanEnd& end, Take&& take) {
    try {
        RecordFile file(path, layout, RecordFile::Lock::Shared);
        take.begin(file.count());
        file.scan([&](const RecordView& view, qint64 position) {
            switch (rule(view, &end.stopReason)) {
            case Verdict::Take:
                take(view, position);
                return true;
            case Verdict::Skip:
                return true;
            case Verdict::Stop:
                end.stoppedAt = position;
                return false;
            }
            return true;
        });
        file.close();
    } catch (const StorageError& e) {
        logStorageError(e);
        end.accessFailed = true;
        end.busy = isArchiveBusy(e);
    }
}

} // namespace

RecordList listRecords(const QString& archivePath, const SelectionRule& rule,
                       const LineFormat& format) {
    RecordList out;
    struct Writer {
        RecordList& out;
        const LineFormat& format;
        std::optional<summaries::LineWriter> w;
        void begin(qint64 records) { w.emplace(out.lines, records, format.maxBytes()); }
        void operator()(const RecordView& view, qint64 position) {
            format.write(*w, view.data());
            out.positions.append(position);
        }
    } writer{out, format, {}};
    scanArchive(archivePath, format.layout(), rule, out, writer);
    writer.w.reset();
    sortLines(out.lines, out.positions);
    return out;
}

RecordCount countRecords(const QString& archivePath, const RecordLayout& layout,
                         const SelectionRule& rule) {
    RecordCount out;
    struct Counter {
        qint64& count;
        void begin(qint64) {}
        void operator()(const RecordView&, qint64) { ++count; }
    } counter{out.count};
    scanArchive(archivePath, layout, rule, out, counter);
    return out;
}

QString listStopText(qint64 position, const QString& reason) {
    return QStringLiteral("Attenzione: la scheda in posizione %1 dell'archivio ha %2.\n\r\n\r"
                          "L'elenco è incompleto: comprende soltanto le schede registrate prima "
                          "di quella posizione.")
        .arg(position)
        .arg(reason);
}

} // namespace dp::search
