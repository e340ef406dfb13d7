#include "search/SelectionRules.h"

#include "storage/FixedText.h"
#include "storage/Layouts.h"
#include "storage/TextValues.h"
#include "storage/Win1252.h"

#include <cstring>
#include <optional>

namespace dp::search {

using summaries::FieldBytes;
using summaries::trimmedBytes;

namespace {

FieldBytes trimmedField(const RecordView& r, int field) {
    return trimmedBytes(r.data() + r.layout().offset(field), r.layout().width(field));
}

bool trimmedEquals(const RecordView& r, int field, const char* bytes, int n) {
    const FieldBytes f = trimmedField(r, field);
    return f.size == n && std::memcmp(f.data, bytes, size_t(n)) == 0;
}

std::optional<double> number(const RecordView& r, int field, const QString& what, QString* why) {
    const FieldBytes b = trimmedField(r, field);
    const QString s = win1252::decode(b.data, b.size);
    const auto v = text::parseNumber(s);
    if (!v && why) {
        *why = s.isEmpty() ? what + QStringLiteral(" mancante")
                           : what + QStringLiteral(" non numerico (\"") + text::visibleControls(s) +
                                 QStringLiteral("\")");
    }
    return v;
}

} // namespace

Verdict lowStock(const RecordView& product, QString* why) {
    const auto stock =
        number(product, Prodotto::Giacenza, QStringLiteral("un valore di giacenza"), why);
    if (!stock)
        return Verdict::Stop;
    const auto level =
        number(product, Prodotto::Avviso, QStringLiteral("un livello di avviso"), why);
    if (!level)
        return Verdict::Stop;
    return *stock <= *level ? Verdict::Take : Verdict::Skip;
}

Verdict unpaid(const RecordView& product, QString*) {
    return trimmedEquals(product, Prodotto::Pagato, "No", 2) ? Verdict::Take : Verdict::Skip;
}

SelectionRule flagged(int flagField) {
    return [flagField](const RecordView& r, QString*) {
        return trimmedEquals(r, flagField, "S\xEC", 2) ? Verdict::Take : Verdict::Skip;
    };
}

SelectionRule documentExpiring(QDate today, int days) {
    const QDate last = today.addDays(days);
    return [last](const RecordView& r, QString*) {
        const FieldBytes b = trimmedField(r, Cliente::DataSca);
        const QString s = win1252::decode(b.data, b.size);
        // Free text: besides the date picker's 05/03/2024, what people type (5/3/2024,
        // 05-03-2024, 05.03.2024).
        std::optional<QDate> date = text::parseDate(s);
        for (const char* format : {"d/M/yyyy", "d-M-yyyy", "d.M.yyyy"}) {
            if (date)
                break;
            const QDate d = QDate::fromString(s, QString::fromLatin1(format));
            if (d.isValid())
                date = d;
        }
        return date && *date <= last ? Verdict::Take : Verdict::Skip;
    };
}

SearchCriteria::SearchCriteria(std::span<const int> fields, const QStringList& texts) {
    for (size_t i = 0; i < fields.size(); ++i) {
        const QString t = qsizetype(i) < texts.size() ? texts[qsizetype(i)] : QString();
        if (!text::isBlank(t))
            ++m_counted;
        if (!t.isEmpty())
            m_criteria.append({fields[i], summaries::byteKey(text::lowerAscii(t))});
    }
}

bool SearchCriteria::matches(const RecordView& r) const {
    if (m_counted == 0)
        return true;
    int hits = 0;
    for (const Criterion& c : m_criteria) {
        const char* f = r.data() + r.layout().offset(c.field);
        const int n = fixedtext::length(f, r.layout().width(c.field));
        if (summaries::containsFolded(f + 1, n, c.key) && ++hits >= m_counted)
            return true;
    }
    return false;
}

SelectionRule SearchCriteria::rule() const {
    return [criteria = *this](const RecordView& r, QString*) {
        return criteria.matches(r) ? Verdict::Take : Verdict::Skip;
    };
}

} // namespace dp::search
