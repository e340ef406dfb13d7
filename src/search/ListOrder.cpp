#include "search/ListOrder.h"

#include "summaries/ListLines.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace dp::search {

using summaries::lowerAsciiByte;

int compareLines(QByteArrayView a, QByteArrayView b) {
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(lowerAsciiByte(a[i]));
        const auto y = static_cast<unsigned char>(lowerAsciiByte(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void sortLines(summaries::ListLines& lines, QList<qint64>& positions) {
    const qsizetype count = lines.count();
    if (count < 2)
        return;
    // Compare on a folded copy, so that each comparison is one memcmp.
    QByteArray folded(lines.text.size(), Qt::Uninitialized);
    const char* src = lines.text.constData();
    char* dst = folded.data();
    for (qsizetype i = 0; i < lines.text.size(); ++i)
        dst[i] = lowerAsciiByte(src[i]);

    const auto begin = [&](qsizetype i) { return i == 0 ? 0 : lines.ends[i - 1]; };
    QList<qsizetype> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype x, qsizetype y) {
        const qsizetype bx = begin(x), by = begin(y);
        const qsizetype nx = lines.ends[x] - bx, ny = lines.ends[y] - by;
        const int c = std::memcmp(dst + bx, dst + by, size_t(qMin(nx, ny)));
        return c != 0 ? c < 0 : nx < ny;
    });

    summaries::ListLines sorted;
    sorted.text.resize(lines.text.size());
    sorted.ends.reserve(count);
    QList<qint64> movedPositions;
    movedPositions.reserve(count);
    char* out = sorted.text.data();
    qsizetype used = 0;
    for (qsizetype i : order) {
        const qsizetype b = begin(i), n = lines.ends[i] - b;
        std::memcpy(out + used, src + b, size_t(n));
        used += n;
        sorted.ends.append(used);
        movedPositions.append(positions[i]);
    }
    lines = std::move(sorted);
    positions = std::move(movedPositions);
}

} // namespace dp::search
