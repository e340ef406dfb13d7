#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace dp::fixedtext {

// Writes `text` trimmed, in Windows-1252, cut to `width`, into the width + 1 bytes at `field`.
// Unused bytes are zeroed.
void store(char* field, int width, QStringView text);
// Reads the field back, trimmed. A length byte larger than the width (a damaged file) is
// taken as the width, so nothing beyond the field is read.
QString load(const char* field, int width);
// The raw length of the stored text, clamped to the width.
int length(const char* field, int width);
// The stored text's bytes, trimmed as load() trims: what every reader that works on the
// bytes of a record compares or copies, so that no reader sees another code than the rest.
QByteArrayView trimmed(const char* field, int width);

} // namespace dp::fixedtext
