#include "storage/RecordReader.h"

#include "storage/OsFile.h"
#include "storage/RecordFile.h"
#include "storage/Rollback.h"
#include "storage/StorageError.h"

#include <algorithm>
#include <chrono>

namespace dp {

namespace {

// About half a megabyte a block, eight blocks: a screenful of rows costs one or two reads,
// and a walk through every row reads the file at the speed of a block read.
constexpr qint64 kBlockBytes = 512 << 10;
constexpr int kBlocks = 8;

} // namespace

RecordReader::RecordReader(const QString& path, const RecordLayout& layout, qint64 count,
                           Access access)
    : m_file(path), m_layout(layout) {
    rollback::settle(path); // a rewrite cut short is put back before anything is read
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw StorageError(QStringLiteral("open %1: %2").arg(path, m_file.errorString()));
    m_count = std::clamp<qint64>(count, 0, m_file.size() / layout.size());
    m_random = access == Access::Random;
    m_perBlock = m_random ? 1 : std::max<qint64>(1, kBlockBytes / layout.size());
    m_blocks.resize(m_random ? 1 : kBlocks);
}

const RecordReader::Block* RecordReader::load(qint64 blockNumber, bool* busyNow) const {
    const qint64 first = blockNumber * m_perBlock;
    Block* slot = &m_blocks.front();
    for (Block& b : m_blocks) {
        if (b.first == first && !m_random) {
            b.lastUse = ++m_clock;
            return &b;
        }
        if (b.lastUse < slot->lastUse)
            slot = &b;
    }
    const qint64 records = std::min(m_perBlock, m_count - first);
    const qint64 want = records * m_layout.size();
    slot->first = -1;
    slot->bytes.resize(want);
    // Once a block of this walk failed, the lock is only tried: no wait on every row.
    const int fd = m_file.handle();
    const bool tryOnly = busyNow || m_failed;
    switch (osfile::lock(fd, osfile::LockMode::Shared,
                         tryOnly ? std::chrono::milliseconds(0) : RecordFile::lockWait())) {
    case osfile::LockResult::Locked:
        break;
    case osfile::LockResult::Busy:
        if (busyNow)
            *busyNow = true;
        else
            m_failed = m_busy = true;
        return nullptr;
    case osfile::LockResult::Failed:
        m_failed = true;
        m_busy = false;
        return nullptr;
    }
    qint64 got = 0;
    if (m_file.seek(first * m_layout.size())) {
        while (got < want) {
            const qint64 r = m_file.read(slot->bytes.data() + got, want - got);
            if (r <= 0)
                break;
            got += r;
        }
    }
    osfile::unlock(fd);
    if (got != want) {
        m_failed = true;
        m_busy = false;
        return nullptr;
    }
    slot->first = first;
    slot->lastUse = ++m_clock;
    return slot;
}

const char* RecordReader::read(qint64 index, bool* busyNow) const {
    if (index < 0 || index >= m_count)
        return nullptr;
    // Rows are mostly asked for in order: the block of the last one is looked at first.
    const Block* b = m_last;
    if (m_random || !b || b->first < 0 || index < b->first || index >= b->first + m_perBlock) {
        b = load(index / m_perBlock, busyNow);
        if (!b)
            return nullptr;
        m_last = b;
    }
    return b->bytes.constData() + (index - b->first) * m_layout.size();
}

const char* RecordReader::record(qint64 index) const {
    return read(index, nullptr);
}

const char* RecordReader::tryRecord(qint64 index, bool& busyNow) const {
    busyNow = false;
    return read(index, &busyNow);
}

void RecordReader::forgetFailure() const {
    m_failed = m_busy = false;
}

} // namespace dp
