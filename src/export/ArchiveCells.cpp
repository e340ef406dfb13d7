#include "export/ArchiveCells.h"

#include "storage/RecordFile.h"
#include "storage/StorageError.h"

namespace dp::exports {

QByteArrayView trimmedField(const char* field, int width) {
    int n = qMin(int(quint8(field[0])), width);
    const char* p = field + 1;
    while (n > 0 && quint8(p[0]) <= 32) {
        ++p;
        --n;
    }
    while (n > 0 && quint8(p[n - 1]) <= 32)
        --n;
    return {p, n};
}

QByteArrayView recordCell(const ExportConfig& config, int column, const char* record,
                          QByteArray& scratch) {
    const ExportColumn& c = config.columns[column];
    const RecordLayout& l = *config.layout;
    const QByteArrayView first = trimmedField(record + l.offset(c.field), l.width(c.field));
    if (c.joined < 0)
        return first;
    const QByteArrayView second = trimmedField(record + l.offset(c.joined), l.width(c.joined));
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

QByteArrayView CellSnapshot::cell(qint64 row, int column) const {
    const qsizetype i = row * m_columns + column;
    const qsizetype begin = i == 0 ? 0 : m_ends[i - 1];
    return QByteArrayView(m_text.constData() + begin, m_ends[i] - begin);
}

SnapshotLoad takeSnapshot(const ExportConfig& config, const QString& archivePath,
                          const std::function<void(qint64, qint64)>& progress) {
    SnapshotLoad out;
    out.rows = std::make_unique<CellSnapshot>(config.columnCount());
    CellSnapshot& rows = *out.rows;
    QByteArray scratch;
    try {
        RecordFile file(archivePath, *config.layout, RecordFile::Lock::Shared);
        const qint64 total = file.count();
        file.scan([&](const RecordView& view, qint64 position) {
            for (int c = 0; c < config.columnCount(); ++c) {
                rows.append(recordCell(config, c, view.data(), scratch));
                rows.endCell();
            }
            if (progress && position % 4096 == 0)
                progress(position, total);
            return true;
        });
    } catch (const StorageError&) {
        out.accessFailed = true;
    }
    rows.squeeze();
    return out;
}

} // namespace dp::exports
