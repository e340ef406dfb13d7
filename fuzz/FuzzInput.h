#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Shared by the fuzzing targets: the input seen as bytes and as text, and a check that
// stops the run with the input that broke a property.
namespace dp::fuzz {

inline QByteArray bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Text as a user or a file could bring it: UTF-8 when the first byte is even, otherwise
// every byte one Latin-1 character (controls and 0x80-0x9F included).
inline QString text(const uint8_t* data, size_t size) {
    const QByteArray b = bytes(data, size);
    return size && (data[0] & 1) ? QString::fromLatin1(b) : QString::fromUtf8(b);
}

inline void require(bool holds) {
    if (!holds)
        std::abort();
}

} // namespace dp::fuzz
