#include "storage/FixedText.h"

#include "storage/TextValues.h"
#include "storage/Win1252.h"

#include <algorithm>
#include <cstring>

namespace dp::fixedtext {

void store(char* field, int width, QStringView text) {
    const QByteArray bytes = win1252::encode(text::trim(text));
    const int n = int(std::min<qsizetype>(bytes.size(), width));
    std::memset(field, 0, size_t(width) + 1);
    field[0] = char(n);
    std::memcpy(field + 1, bytes.constData(), size_t(n));
}

int length(const char* field, int width) {
    return std::min(int(static_cast<unsigned char>(field[0])), width);
}

QByteArrayView trimmed(const char* field, int width) {
    const char* b = field + 1;
    int n = length(field, width);
    while (n > 0 && text::isTrimmed(static_cast<unsigned char>(*b))) {
        ++b;
        --n;
    }
    while (n > 0 && text::isTrimmed(static_cast<unsigned char>(b[n - 1])))
        --n;
    return QByteArrayView(b, n);
}

QString load(const char* field, int width) {
    const QByteArrayView b = trimmed(field, width);
    return win1252::decode(b.data(), b.size());
}

} // namespace dp::fixedtext
