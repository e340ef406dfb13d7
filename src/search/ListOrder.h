#pragma once

#include <QByteArrayView>
#include <QList>

namespace dp::summaries {
struct ListLines;
}

namespace dp::search {

// The order of every record list: by the line text, the letters A-Z compared without their
// case, every other character by its code (in Windows-1252, the code the archives use).
// Negative, zero or positive as strcmp.
int compareLines(QByteArrayView a, QByteArrayView b);

// Sorts the lines into that order; lines that compare equal keep their file order.
// `positions` (one per line) moves with its line.
void sortLines(summaries::ListLines& lines, QList<qint64>& positions);

} // namespace dp::search
