#include "storage/Rollback.h"

#include "storage/OsFile.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"

#include <QCryptographicHash>
#include <QtEndian>

namespace dp::rollback {

namespace {

// Magic, offset, size of the archive, length, the bytes, then a SHA-256 of all before it.
constexpr char kMagic[8] = {'D', 'P', 'R', 'O', 'L', 'L', 'B', '1'};
constexpr qsizetype kHead = 8 + 8 + 8 + 4;
constexpr qsizetype kSum = 32;
// Entries hold one record; anything far larger is not ours and is not read whole.
constexpr qint64 kMaxEntry = 1 << 20;

QByteArray sum(QByteArrayView bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

template <class T> void put(QByteArray& out, T value) {
    char raw[sizeof(T)];
    qToLittleEndian(value, raw);
    out.append(raw, sizeof(T));
}

[[noreturn]] void fail(const char* what, const QFile& file) {
    throw StorageError(
        QStringLiteral("%1 %2: %3").arg(QLatin1String(what), file.fileName(), file.errorString()));
}

} // namespace

QString pathFor(const QString& archive) {
    return archive + QStringLiteral("-rollback");
}

QByteArray encode(const Entry& entry) {
    QByteArray out;
    out.reserve(kHead + entry.bytes.size() + kSum);
    out.append(kMagic, sizeof kMagic);
    put<qint64>(out, entry.offset);
    put<qint64>(out, entry.archiveSize);
    put<quint32>(out, quint32(entry.bytes.size()));
    out.append(entry.bytes);
    out.append(sum(out));
    return out;
}

std::optional<Entry> decode(QByteArrayView bytes) {
    if (bytes.size() < kHead + kSum || bytes.first(sizeof kMagic) != QByteArrayView(kMagic, 8))
        return std::nullopt;
    const char* p = bytes.data() + sizeof kMagic;
    Entry e;
    e.offset = qFromLittleEndian<qint64>(p);
    e.archiveSize = qFromLittleEndian<qint64>(p + 8);
    const quint32 length = qFromLittleEndian<quint32>(p + 16);
    if (bytes.size() != kHead + qint64(length) + kSum)
        return std::nullopt;
    const QByteArrayView body = bytes.first(kHead + length);
    if (sum(body) != bytes.last(kSum))
        return std::nullopt;
    e.bytes = body.sliced(kHead).toByteArray();
    return e;
}

bool pending(const QString& archive) {
    return QFile(pathFor(archive)).size() > 0;
}

void replay(QFile& archive) {
    QFile side(pathFor(archive.fileName()));
    if (side.size() == 0)
        return;
    if (!side.open(QIODevice::ReadWrite))
        fail("open", side);
    const QByteArray bytes = side.read(kMaxEntry);
    const std::optional<Entry> e = decode(bytes);
    // A rewrite never changes the archive's size: an entry made for another size does not
    // belong to this archive (one put back by hand or from a backup) and is dropped.
    if (e && e->offset >= 0 && e->archiveSize == archive.size() &&
        e->offset + e->bytes.size() <= e->archiveSize) {
        if (!archive.seek(e->offset) || archive.write(e->bytes) != e->bytes.size() ||
            !archive.flush() || !osfile::syncData(archive.handle()))
            fail("roll back", archive);
    }
    if (!side.resize(0) || !osfile::syncData(side.handle()))
        fail("empty", side);
}

void settle(const QString& archive) {
    if (!pending(archive))
        return;
    QFile file(archive);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        if (!file.exists())
            return; // nothing to put back into
        fail("open", file);
    }
    switch (osfile::lock(file.handle(), osfile::LockMode::Exclusive, RecordFile::lockWait())) {
    case osfile::LockResult::Locked:
        break;
    case osfile::LockResult::Busy:
        throw ArchiveBusy(QStringLiteral("lock %1: held by another program").arg(archive));
    case osfile::LockResult::Failed:
        fail("lock", file);
    }
    replay(file);
}

} // namespace dp::rollback
