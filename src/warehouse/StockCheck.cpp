#include "warehouse/StockCheck.h"

#include "storage/FixedText.h"
#include "storage/Layouts.h"
#include "storage/RecordFile.h"
#include "storage/TextValues.h"
#include "storage/Win1252.h"

#include <QFileInfo>
#include <QHash>

#include <cstring>
#include <optional>
#include <vector>

namespace dp::stock {

namespace {

// The trimmed bytes of a field, straight from the record: no string per record for the
// million movements of a large journal.
QByteArrayView fieldBytes(const RecordView& r, int field) {
    const RecordLayout& l = r.layout();
    return fixedtext::trimmed(r.data() + l.offset(field), l.width(field));
}

// A whole quantity as the movement screens write it, read straight from its bytes; anything
// else goes through the general number rule, and may not be a number at all.
bool parseQuantity(QByteArrayView b, double* out) {
    qint64 v = 0;
    qsizetype i = 0;
    const bool negative = !b.isEmpty() && b[0] == '-';
    if (negative)
        ++i;
    bool digits = i < b.size() && b.size() - i <= 15;
    for (qsizetype j = i; digits && j < b.size(); ++j) {
        const char c = b[j];
        digits = c >= '0' && c <= '9';
        v = v * 10 + (c - '0');
    }
    if (b.isEmpty() || digits) {
        *out = double(negative ? -v : v);
        return true;
    }
    const auto n = text::parseNumber(QString::fromLatin1(b.data(), b.size()));
    if (n)
        *out = *n;
    return bool(n);
}

// The loads minus unloads of every product code, looked up by the code's bytes in the movement
// record: a flat table with the codes stored in place, so that each of a million movements
// costs one hash and, mostly, one memory access, and makes no string.
class CodeTotals {
  public:
    static constexpr int kMaxCode = 25; // Prodotto::Codice; a longer code matches no product

    explicit CodeTotals(qsizetype codes) {
        qsizetype capacity = 16;
        while (capacity < codes * 2)
            capacity *= 2;
        m_slots.resize(capacity);
        m_mask = size_t(capacity - 1);
    }
    void add(QByteArrayView code) { slot(code, true); }
    // The running total of `code`, or nullptr when no product has it.
    double* find(QByteArrayView code) { return slot(code, false); }

  private:
    struct Slot {
        qint8 length = -1; // -1: free
        char code[kMaxCode];
        double total = 0;
    };
    double* slot(QByteArrayView code, bool insert) {
        if (code.size() > kMaxCode)
            return nullptr;
        for (size_t i = qHash(code) & m_mask;; i = (i + 1) & m_mask) {
            Slot& s = m_slots[i];
            if (s.length < 0) {
                if (!insert)
                    return nullptr;
                s.length = qint8(code.size());
                std::memcpy(s.code, code.data(), size_t(code.size()));
                return &s.total;
            }
            if (s.length == code.size() && std::memcmp(s.code, code.data(), size_t(s.length)) == 0)
                return &s.total;
        }
    }

    std::vector<Slot> m_slots;
    size_t m_mask = 0;
};

void addJournal(const QString& path, double sign, CodeTotals& byCode, StockCheck& result) {
    if (!QFileInfo::exists(path))
        return;
    RecordFile journal(path, TMovimento, RecordFile::Lock::Shared);
    journal.scan([&](const RecordView& r, qint64) {
        ++result.movements;
        double q = 0;
        if (!parseQuantity(fieldBytes(r, Movimento::Aggiunta), &q)) {
            ++result.unreadableMovements;
            return true;
        }
        // A code no product has cannot make any product's stock differ.
        if (double* total = byCode.find(fieldBytes(r, Movimento::Codice)))
            *total += sign * q;
        return true;
    });
}

QString column(const QString& s, int width) {
    return s.size() >= width ? s.left(width) : s + QString(width - s.size(), QLatin1Char(' '));
}

} // namespace

StockCheck checkStock(const QString& archivePath, const QString& loadJournalPath,
                      const QString& unloadJournalPath) {
    StockCheck result;

    struct Product {
        qint64 position;
        QByteArray code;
        QString name, stock;
        std::optional<double> value;
    };
    QVector<Product> products;
    QHash<QByteArray, QVector<int>> groups; // the products of each code, in archive order
    if (QFileInfo::exists(archivePath)) {
        RecordFile archive(archivePath, TSchedaProdotto, RecordFile::Lock::Shared);
        archive.scan(
            [&](qint64 count) {
                products.reserve(count);
                groups.reserve(count);
            },
            [&](const RecordView& r, qint64 position) {
                Product p{position, fieldBytes(r, Prodotto::Codice).toByteArray(),
                          text::trim(r.text(Prodotto::Nome)),
                          text::trim(r.text(Prodotto::Giacenza)), std::nullopt};
                p.value = p.stock.isEmpty() ? std::optional<double>(0) : text::parseNumber(p.stock);
                groups[p.code].push_back(int(products.size()));
                products.push_back(std::move(p));
                return true;
            });
    }
    result.products = products.size();

    CodeTotals journals(groups.size());
    for (auto it = groups.cbegin(); it != groups.cend(); ++it)
        journals.add(it.key());
    addJournal(loadJournalPath, +1, journals, result);
    addJournal(unloadJournalPath, -1, journals, result);

    for (const Product& p : products) {
        const QVector<int>& group = groups[p.code];
        if (&products[group.front()] != &p)
            continue; // the group was judged at its first product
        double sheet = 0;
        bool readable = true;
        for (int i : group) {
            sheet += products[i].value.value_or(0);
            readable = readable && products[i].value.has_value();
        }
        const double fromJournals = *journals.find(p.code);
        const double diff = sheet - fromJournals;
        if (readable && qAbs(diff) < 1e-9)
            continue;
        for (int i : group) {
            const Product& q = products[i];
            StockDifference d;
            d.position = q.position;
            d.code = win1252::decode(q.code.constData(), q.code.size());
            d.name = q.name;
            d.sheetStock = q.stock;
            d.journals = fromJournals;
            d.difference = diff;
            d.readable = readable;
            d.sharedCode = group.size() > 1;
            result.differences.push_back(d);
        }
    }
    return result;
}

QString stockCheckLine(const StockDifference& d) {
    const QString sheet = d.sheetStock.isEmpty() ? QStringLiteral("0") : d.sheetStock;
    const QString diff = d.readable ? text::formatNumber(d.difference) : QStringLiteral("?");
    // Cut as the other product lists cut, so that the difference is in sight at once.
    return column((d.sharedCode ? QStringLiteral("* ") : QStringLiteral("  ")) + d.code, 22) +
           QStringLiteral("  ") + column(d.name, 30) + QStringLiteral("  Scheda: ") +
           column(sheet, 5) + QStringLiteral("  Movimenti: ") +
           column(text::formatNumber(d.journals), 6) + QStringLiteral("  Differenza: ") + diff +
           // The difference is the group's: its sheets' total makes the line add up.
           (d.sharedCode && d.readable ? QStringLiteral("  (schede con questo codice: %1)")
                                             .arg(text::formatNumber(d.journals + d.difference))
                                       : QString());
}

} // namespace dp::stock
