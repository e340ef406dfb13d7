#include "search/ListOrder.h"

#include "summaries/ListLines.h"

#include <algorithm>

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

SortKey sortKey(QByteArrayView line, quint32 item) {
    SortKey key{{}, item};
    const auto* bytes = reinterpret_cast<const unsigned char*>(line.data());
    const qsizetype n = qMin<qsizetype>(line.size(), SortKey::kBytes);
    // A shorter line is padded with the lowest byte, so that it sorts before its longer twins.
    for (int word = 0; word < SortKey::kBytes / 8; ++word) {
        quint64 w = 0;
        for (int k = word * 8; k < word * 8 + 8; ++k)
            w = (w << 8) | (k < n ? kFold.byte[bytes[k]] : 0u);
        key.prefix[word] = w;
    }
    return key;
}

void sortByLine(std::vector<SortKey>& keys,
                const std::function<void(quint32 item, QByteArray& out)>& lineOf) {
    QByteArray a, b;
    std::stable_sort(keys.begin(), keys.end(), [&](const SortKey& x, const SortKey& y) {
        for (int w = 0; w < SortKey::kBytes / 8; ++w)
            if (x.prefix[w] != y.prefix[w])
                return x.prefix[w] < y.prefix[w];
        a.clear();
        b.clear();
        lineOf(x.item, a);
        lineOf(y.item, b);
        return compareLines(a, b) < 0;
    });
}

} // namespace dp::search
