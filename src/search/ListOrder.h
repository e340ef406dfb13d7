#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <functional>
#include <vector>

namespace dp::search {

// The order of every record list: by the line text, the letters A-Z compared without their
// case, every other character by its code (in Windows-1252, the code the archives use).
// Negative, zero or positive as strcmp.
int compareLines(QByteArrayView a, QByteArrayView b);

// What a list is sorted by: the first bytes of an item's line, folded and packed so that
// comparing the numbers compares the bytes, and the item (its index in file order).
struct SortKey {
    static constexpr int kBytes = 24;
    quint64 prefix[kBytes / 8];
    quint32 item;
};
SortKey sortKey(QByteArrayView line, quint32 item);

// Sorts the keys into the list order; items whose lines compare equal keep their order.
// Only items whose keys tie with another's are asked for their lines: `lineOf(item, out)`
// appends the item's line to `out`, once for each such item, in ascending item order (file
// order, so that their records are read in blocks). Those lines are kept until the sort ends.
void sortByLine(std::vector<SortKey>& keys,
                const std::function<void(quint32 item, QByteArray& out)>& lineOf);

} // namespace dp::search
