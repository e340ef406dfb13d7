#include "search/ListOrder.h"

#include "summaries/ListLines.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace dp::search {

namespace {

struct FoldTable {
    unsigned char byte[256];
    FoldTable() {
        for (int i = 0; i < 256; ++i)
            byte[i] = static_cast<unsigned char>(summaries::lowerAsciiByte(char(i)));
    }
};
const FoldTable kFold;

// Folds only where the bytes differ: most of a line's bytes are compared as they are.
int compareFolded(const char* a, qsizetype na, const char* b, qsizetype nb) {
    const auto* x = reinterpret_cast<const unsigned char*>(a);
    const auto* y = reinterpret_cast<const unsigned char*>(b);
    const qsizetype n = qMin(na, nb);
    for (qsizetype i = 0; i < n; ++i) {
        if (x[i] == y[i])
            continue;
        const unsigned char fx = kFold.byte[x[i]], fy = kFold.byte[y[i]];
        if (fx != fy)
            return fx < fy ? -1 : 1;
    }
    return na == nb ? 0 : (na < nb ? -1 : 1);
}

} // namespace

int compareLines(QByteArrayView a, QByteArrayView b) {
    return compareFolded(a.data(), a.size(), b.data(), b.size());
}

void sortLines(summaries::ListLines& lines, QList<qint64>& positions) {
    const qsizetype count = lines.count();
    if (count < 2)
        return;
    // Each line's first eight bytes, folded, packed so that comparing the numbers compares the
    // bytes (a shorter line is padded with the lowest byte): most pairs are told apart by it,
    // and only ties read the lines. No folded copy of the text: on a large list its fresh
    // memory costs more than folding where two lines differ.
    const char* src = lines.text.constData();
    const qsizetype* ends = lines.ends.constData();
    const auto begin = [ends](qsizetype i) { return i == 0 ? 0 : ends[i - 1]; };
    struct Key {
        quint64 prefix;
        qsizetype line;
    };
    std::vector<Key> keys(static_cast<size_t>(count));
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype b = begin(i), n = qMin<qsizetype>(ends[i] - b, 8);
        quint64 prefix = 0;
        for (qsizetype k = 0; k < 8; ++k)
            prefix = (prefix << 8) |
                     (k < n ? kFold.byte[static_cast<unsigned char>(src[b + k])] : 0u);
        keys[size_t(i)] = {prefix, i};
    }
    std::stable_sort(keys.begin(), keys.end(), [&](const Key& x, const Key& y) {
        if (x.prefix != y.prefix)
            return x.prefix < y.prefix;
        const qsizetype bx = begin(x.line), by = begin(y.line);
        return compareFolded(src + bx, ends[x.line] - bx, src + by, ends[y.line] - by) < 0;
    });

    summaries::ListLines sorted;
    sorted.text.resize(lines.text.size());
    sorted.ends.resize(count);
    QList<qint64> movedPositions(count);
    char* out = sorted.text.data();
    qsizetype* outEnds = sorted.ends.data();
    qint64* outPositions = movedPositions.data();
    const qint64* inPositions = positions.constData();
    qsizetype used = 0;
    for (qsizetype j = 0; j < count; ++j) {
        const qsizetype i = keys[size_t(j)].line;
        const qsizetype b = begin(i), n = ends[i] - b;
        std::memcpy(out + used, src + b, size_t(n));
        used += n;
        outEnds[j] = used;
        outPositions[j] = inPositions[i];
    }
    lines = std::move(sorted);
    positions = std::move(movedPositions);
}

} // namespace dp::search
