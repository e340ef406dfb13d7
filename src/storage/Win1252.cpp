#include "storage/Win1252.h"

#include <array>

namespace dp::win1252 {

namespace {

// Code points of the bytes 0x80-0x9F; the five holes (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// map to the control characters of the same value, as Windows does.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::array<char16_t, 256> makeTable() {
    std::array<char16_t, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[i] = static_cast<char16_t>(i);
    for (int i = 0; i < 32; ++i)
        t[0x80 + i] = kHigh[i];
    return t;
}
constexpr std::array<char16_t, 256> kTable = makeTable();

char encodeOne(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == cp)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

QByteArray encode(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out.append('?');
            ++i;
            continue;
        }
        out.append(encodeOne(c.unicode()));
    }
    return out;
}

void decodeInto(const char* bytes, qsizetype length, QChar* out) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    for (qsizetype i = 0; i < length; ++i)
        out[i] = QChar(kTable[b[i]]);
}

QString decode(const char* bytes, qsizetype length) {
    QString s(length, Qt::Uninitialized);
    decodeInto(bytes, length, s.data());
    return s;
}

} // namespace dp::win1252
