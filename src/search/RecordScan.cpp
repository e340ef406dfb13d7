#include "search/RecordScan.h"

#include "search/ListOrder.h"
#include "storage/RecordFile.h"
#include "storage/RecordReader.h"
#include "storage/RecordRows.h"

#include <algorithm>
#include <optional>
#include <vector>

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

// A list line as a row of the list's model, made from its record when asked for.
class ListLineFormat final : public RecordFormat {
  public:
    explicit ListLineFormat(const LineFormat& format) : m_format(format) {}
    void write(const char* record, qint64, int, QByteArray& out) const override {
        m_format.append(record, out);
    }

  private:
    const LineFormat& m_format;
};

} // namespace

RecordList listRecords(const QString& archivePath, const SelectionRule& rule,
                       const LineFormat& format) {
    RecordList out;
    // The scan makes each line once, in one reused buffer, for its sort key and its length.
    struct Keys {
        const LineFormat& format;
        std::vector<SortKey> keys;
        qint64 counted = 0;
        qsizetype longest = 0;
        QByteArray line;
        void begin(qint64 records) {
            counted = records;
            keys.reserve(size_t(records));
        }
        void operator()(const RecordView& view, qint64 position) {
            line.clear();
            format.append(view.data(), line);
            longest = std::max(longest, line.size());
            keys.push_back(sortKey(line, quint32(position - 1)));
        }
    } scan{format, {}, 0, 0, {}};
    scanArchive(archivePath, format.layout(), rule, out, scan);
    if (scan.keys.empty())
        return out;
    // What was taken before a failure stays listed.
    try {
        auto reader = std::make_shared<RecordReader>(archivePath, format.layout(), scan.counted,
                                                     RecordReader::Access::Random);
        // Tied lines are asked for in file order, read through a reader of their own in blocks.
        std::optional<RecordReader> ties;
        sortByLine(scan.keys, [&](quint32 item, QByteArray& line) {
            if (!ties)
                ties.emplace(archivePath, format.layout(), scan.counted);
            if (const char* r = ties->record(item))
                format.append(r, line);
        });
        // A tie that could not be read sorts as an empty line; the list says it is incomplete.
        if (ties && ties->failed()) {
            out.accessFailed = true;
            out.busy = ties->busy();
        }
        std::vector<quint32> picked(scan.keys.size());
        out.positions.resize(qsizetype(scan.keys.size()));
        for (size_t i = 0; i < scan.keys.size(); ++i) {
            picked[i] = scan.keys[i].item;
            out.positions[qsizetype(i)] = qint64(scan.keys[i].item) + 1;
        }
        scan.keys = {};
        auto rows = std::make_shared<RecordRows>(
            std::move(reader), std::make_shared<const ListLineFormat>(format), std::move(picked));
        rows->setMaxLength(0, scan.longest);
        out.lines = std::move(rows);
    } catch (const StorageError& e) {
        logStorageError(e);
        out.accessFailed = true;
        out.busy = isArchiveBusy(e);
    }
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
