#include "summaries/ListLines.h"

#include "storage/FixedText.h"
#include "storage/TextValues.h"

#include <cstring>

namespace dp::summaries {

FieldBytes trimmedBytes(const char* field, int width) {
    const QByteArrayView b = fixedtext::trimmed(field, width);
    return {b.data(), int(b.size())};
}

QString fit(QStringView text, int n) {
    QString t = dp::text::trim(text);
    if (t.size() > n)
        t.truncate(n);
    else
        t.append(QString(n - t.size(), QLatin1Char(' ')));
    return t;
}

void appendFitted(QByteArray& out, const char* field, int width, int n) {
    const FieldBytes f = trimmedBytes(field, width);
    const int kept = f.size < n ? f.size : n;
    // One resize and two plain copies: appending the blanks on their own costs more than
    // the rest of the line (lines are built for every row "Trova" walks).
    const qsizetype at = out.size();
    out.resize(at + n);
    char* p = out.data() + at;
    std::memcpy(p, f.data, size_t(kept));
    std::memset(p + kept, ' ', size_t(n - kept));
}

void appendTrimmed(QByteArray& out, const char* field, int width) {
    const FieldBytes f = trimmedBytes(field, width);
    out.append(f.data, f.size);
}

} // namespace dp::summaries
