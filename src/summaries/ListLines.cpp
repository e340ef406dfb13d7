#include "summaries/ListLines.h"

#include "storage/FixedText.h"
#include "storage/TextValues.h"

namespace dp::summaries {

FieldBytes trimmedBytes(const char* field, int width) {
    const char* b = field + 1;
    int n = fixedtext::length(field, width);
    while (n > 0 && static_cast<unsigned char>(*b) <= 32) {
        ++b;
        --n;
    }
    while (n > 0 && static_cast<unsigned char>(b[n - 1]) <= 32)
        --n;
    return {b, n};
}

void appendFitted(QByteArray& out, const char* field, int width, int n) {
    const FieldBytes f = trimmedBytes(field, width);
    const int kept = f.size < n ? f.size : n;
    out.append(f.data, kept);
    if (kept < n)
        out.append(n - kept, ' ');
}

void appendTrimmed(QByteArray& out, const char* field, int width) {
    const FieldBytes f = trimmedBytes(field, width);
    out.append(f.data, f.size);
}

QString fit(QStringView text, int n) {
    QString t = dp::text::trim(text);
    if (t.size() > n)
        t.truncate(n);
    else
        t.append(QString(n - t.size(), QLatin1Char(' ')));
    return t;
}

} // namespace dp::summaries
