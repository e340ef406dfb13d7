#include "export/ArchiveCells.h"

#include "storage/FixedText.h"
#include "storage/RecordFile.h"
#include "storage/RecordRows.h"
#include "storage/StorageError.h"

namespace dp::exports {

namespace {

// A journal's export cells, made from a record when asked for.
class ExportCells final : public RecordFormat {
  public:
    explicit ExportCells(const ExportConfig& config) : m_config(config) {}
    int columnCount() const override { return m_config.columnCount(); }
    void write(const char* record, qint64, int column, QByteArray& out) const override {
        out.append(recordCell(m_config, column, record, m_scratch));
    }

  private:
    const ExportConfig& m_config;
    mutable QByteArray m_scratch;
};

SnapshotLoad journalRows(const ExportConfig& config, const QString& path) {
    SnapshotLoad out;
    try {
        qint64 count = 0;
        {
            RecordFile file(path, *config.layout, RecordFile::Lock::Shared);
            count = file.count();
        }
        out.rows = std::make_shared<RecordRows>(
            std::make_shared<RecordReader>(path, *config.layout, count),
            std::make_shared<const ExportCells>(config));
    } catch (const StorageError& e) {
        logStorageError(e);
        out.busy = isArchiveBusy(e);
        out.rows = std::make_shared<CellSnapshot>(config.columnCount());
        out.accessFailed = true;
    }
    return out;
}

} // namespace

QByteArrayView recordCell(const ExportConfig& config, int column, const char* record,
                          QByteArray& scratch) {
    const ExportColumn& c = config.columns[column];
    const RecordLayout& l = *config.layout;
    const QByteArrayView first = fixedtext::trimmed(record + l.offset(c.field), l.width(c.field));
    if (c.joined < 0)
        return first;
    const QByteArrayView second =
        fixedtext::trimmed(record + l.offset(c.joined), l.width(c.joined));
    if (second.isEmpty())
        return first;
    if (first.isEmpty())
        return second;
    scratch.clear();
    scratch.append(first);
    scratch.append(' ');
    scratch.append(second);
    return scratch;
}

void CellSnapshot::squeeze() {
    m_text.squeeze();
    m_ends.squeeze();
}

void CellSnapshot::cell(qsizetype row, int column, QByteArray& out) const {
    if (row < 0 || row >= count() || column < 0 || column >= m_columns)
        return;
    const qsizetype i = row * m_columns + column;
    const qsizetype begin = i == 0 ? 0 : m_ends[i - 1];
    out.append(m_text.constData() + begin, m_ends[i] - begin);
}

SnapshotLoad takeSnapshot(const ExportConfig& config, const QString& archivePath,
                          const std::function<bool(qint64, qint64)>& progress) {
    if (config.journal())
        return journalRows(config, archivePath);
    SnapshotLoad out;
    auto snapshot = std::make_shared<CellSnapshot>(config.columnCount());
    out.rows = snapshot;
    CellSnapshot& rows = *snapshot;
    QByteArray scratch;
    try {
        RecordFile file(archivePath, *config.layout, RecordFile::Lock::Shared);
        const qint64 total = file.count();
        file.scan([&](const RecordView& view, qint64 position) {
            for (int c = 0; c < config.columnCount(); ++c) {
                rows.append(recordCell(config, c, view.data(), scratch));
                rows.endCell();
            }
            if (progress && position % 4096 == 0 && !progress(position, total)) {
                out.cancelled = true;
                return false;
            }
            return true;
        });
    } catch (const StorageError& e) {
        logStorageError(e);
        out.busy = isArchiveBusy(e);
        out.accessFailed = true;
    }
    rows.squeeze();
    return out;
}

} // namespace dp::exports
