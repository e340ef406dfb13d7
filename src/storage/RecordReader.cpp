#include "storage/RecordReader.h"

#include "storage/StorageError.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace dp {

namespace {

// About half a megabyte a block, eight blocks: a screenful of rows costs one or two reads,
// and a walk through every row reads the file at the speed of a block read.
constexpr qint64 kBlockBytes = 512 << 10;
constexpr int kBlocks = 8;
constexpr int kReadAttempts = 10;

} // namespace

RecordReader::RecordReader(const QString& path, const RecordLayout& layout, qint64 count,
                           Access access)
    : m_file(path), m_layout(layout) {
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw StorageError(QStringLiteral("open %1: %2").arg(path, m_file.errorString()));
    m_count = std::clamp<qint64>(count, 0, m_file.size() / layout.size());
    m_random = access == Access::Random;
    m_perBlock = m_random ? 1 : std::max<qint64>(1, kBlockBytes / layout.size());
    m_blocks.resize(m_random ? 1 : kBlocks);
}

const RecordReader::Block* RecordReader::load(qint64 blockNumber) const {
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
    // Where locks are mandatory (Windows), a read fails while another program holds the
    // file for the moment of an append; try again briefly before giving up on the block.
    // Once a block was given up, the file is taken as gone: no more waiting on every row.
    const int attempts = m_failed ? 1 : kReadAttempts;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (attempt > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (!m_file.seek(first * m_layout.size()))
            continue;
        qint64 got = 0;
        while (got < want) {
            const qint64 r = m_file.read(slot->bytes.data() + got, want - got);
            if (r <= 0)
                break;
            got += r;
        }
        if (got == want) {
            slot->first = first;
            slot->lastUse = ++m_clock;
            return slot;
        }
    }
    m_failed = true;
    return nullptr;
}

const char* RecordReader::record(qint64 index) const {
    if (index < 0 || index >= m_count)
        return nullptr;
    // Rows are mostly asked for in order: the block of the last one is looked at first.
    const Block* b = m_last;
    if (m_random || !b || b->first < 0 || index < b->first || index >= b->first + m_perBlock) {
        b = load(index / m_perBlock);
        if (!b)
            return nullptr;
        m_last = b;
    }
    return b->bytes.constData() + (index - b->first) * m_layout.size();
}

} // namespace dp
