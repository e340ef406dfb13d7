#pragma once

#include "storage/Record.h"
#include "summaries/ListLines.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <span>

namespace dp::search {

// Whether a record belongs to a list. A rule that cannot judge a record says Stop, and why
// in `why` (in Italian, to be told to the user); the list ends before that record.
enum class Verdict { Take, Skip, Stop };
using SelectionRule = std::function<Verdict(const RecordView& record, QString* why)>;

// Low stock: the product's stock (Giacenza) is not greater than its warning level (Avviso),
// both read as numbers with a comma; a field that is not a number stops the list.
Verdict lowStock(const RecordView& product, QString* why);
// Unpaid: the product's trimmed Pagato is "No".
Verdict unpaid(const RecordView& product, QString* why);
// Call back: the record's trimmed `flagField` (Ricontatta) is exactly "Sì".
SelectionRule flagged(int flagField);
// Document expiring: the customer's identity document (DataSca, free text) has expired or
// expires within `days` of `today`; a date that cannot be read as day/month/year is skipped.
SelectionRule documentExpiring(QDate today, int days);

// The criteria of an archive search, one text per compared field, as typed.
// A record is taken when the criteria occurring in their fields are at least as many as the
// criteria that are not blank: each criterion, lower-cased in A-Z only and not trimmed,
// is looked for anywhere in the stored field lower-cased the same way; an empty criterion
// never occurs. So the counted criteria are joined by AND, a criterion of blanks only is not
// counted yet can stand in for one that fails, and no criterion at all takes every record.
class SearchCriteria {
  public:
    SearchCriteria(std::span<const int> fields, const QStringList& texts);

    int counted() const { return m_counted; }
    bool matches(const RecordView& record) const;
    SelectionRule rule() const;

  private:
    struct Criterion {
        int field;
        summaries::ByteKey key;
    };
    QList<Criterion> m_criteria;
    int m_counted = 0;
};

} // namespace dp::search
