#include "search/ListOrder.h"

#include "summaries/ListLines.h"

#include <algorithm>
#include <cstring>

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
    auto prefixLess = [](const SortKey& x, const SortKey& y) {
        for (int w = 0; w < SortKey::kBytes / 8; ++w)
            if (x.prefix[w] != y.prefix[w])
                return x.prefix[w] < y.prefix[w];
        return false;
    };
    auto samePrefix = [&](const SortKey& x, const SortKey& y) {
        return !prefixLess(x, y) && !prefixLess(y, x);
    };
    std::stable_sort(keys.begin(), keys.end(), prefixLess);
    auto runEnd = [&](size_t i) {
        size_t j = i + 1;
        while (j < keys.size() && samePrefix(keys[i], keys[j]))
            ++j;
        return j;
    };

    // Where first bytes tie, the whole lines decide. Each tied line is made once, in file
    // order, and kept for the sort: every comparison then sees the same bytes, even when a
    // record changes or a read fails meanwhile, which a sort cannot survive.
    std::vector<quint32> tied;
    for (size_t i = 0, j; i < keys.size(); i = j) {
        j = runEnd(i);
        if (j - i > 1)
            for (size_t k = i; k < j; ++k)
                tied.push_back(keys[k].item);
    }
    if (tied.empty())
        return;
    std::sort(tied.begin(), tied.end());
    QByteArray bytes;
    std::vector<qsizetype> ends;
    ends.reserve(tied.size());
    for (quint32 item : tied) {
        const qsizetype begin = bytes.size();
        lineOf(item, bytes);
        // Kept folded: folded lines compare as plain bytes do, in the list order.
        char* p = bytes.data();
        for (qsizetype i = begin, n = bytes.size(); i < n; ++i)
            p[i] = char(kFold.byte[quint8(p[i])]);
        ends.push_back(bytes.size());
    }
    auto lineAt = [&](quint32 item) {
        const size_t i = size_t(std::lower_bound(tied.begin(), tied.end(), item) - tied.begin());
        const qsizetype begin = i ? ends[i - 1] : 0;
        return QByteArrayView(bytes.constData() + begin, ends[i] - begin);
    };
    struct Tie {
        QByteArrayView line;
        SortKey key;
    };
    std::vector<Tie> run;
    for (size_t i = 0, j; i < keys.size(); i = j) {
        j = runEnd(i);
        if (j - i < 2)
            continue;
        run.clear();
        for (size_t k = i; k < j; ++k)
            run.push_back({lineAt(keys[k].item), keys[k]});
        std::stable_sort(run.begin(), run.end(), [](const Tie& x, const Tie& y) {
            // The first bytes are equal, folded, as far as both lines reach.
            const qsizetype k =
                std::min({qsizetype(SortKey::kBytes), x.line.size(), y.line.size()});
            const qsizetype n = std::min(x.line.size(), y.line.size()) - k;
            const int c = n > 0 ? std::memcmp(x.line.data() + k, y.line.data() + k, size_t(n)) : 0;
            return c ? c < 0 : x.line.size() < y.line.size();
        });
        for (size_t k = i; k < j; ++k)
            keys[k] = run[k - i].key;
    }
}

} // namespace dp::search
