#include "warehouse/StockCheck.h"

#include "storage/Layouts.h"
#include "storage/RecordFile.h"
#include "storage/TextValues.h"
#include "storage/Win1252.h"

#include <QFileInfo>
#include <QHash>

#include <optional>

namespace dp::stock {

namespace {

// The trimmed bytes of a field, straight from the record: no string per record for the
// million movements of a large journal.
QByteArrayView fieldBytes(const RecordView& r, int field) {
    const RecordLayout& l = r.layout();
    const char* p = r.data() + l.offset(field);
    int len = qMin(int(static_cast<unsigned char>(*p)), l.width(field));
    const char* s = p + 1;
    while (len > 0 && *s == ' ') {
        ++s;
        --len;
    }
    while (len > 0 && s[len - 1] == ' ')
        --len;
    return QByteArrayView(s, len);
}

// A whole quantity as the movement screens write it; anything else is not a number.
bool parseQuantity(QByteArrayView b, double* out) {
    if (b.isEmpty()) {
        *out = 0;
        return true;
    }
    bool ok = false;
    const qint64 v = b.toLongLong(&ok);
    if (ok) {
        *out = double(v);
        return true;
    }
    const auto n = text::parseNumber(QString::fromLatin1(b.data(), b.size()));
    if (n)
        *out = *n;
    return bool(n);
}

void addJournal(const QString& path, double sign, QHash<QByteArray, double>& byCode,
                StockCheck& result) {
    if (!QFileInfo::exists(path))
        return;
    RecordFile journal(path, TMovimento);
    journal.scan([&](const RecordView& r, qint64) {
        ++result.movements;
        double q = 0;
        if (!parseQuantity(fieldBytes(r, Movimento::Aggiunta), &q)) {
            ++result.unreadableMovements;
            return true;
        }
        byCode[fieldBytes(r, Movimento::Codice).toByteArray()] += sign * q;
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
    QHash<QByteArray, double> journals;
    addJournal(loadJournalPath, +1, journals, result);
    addJournal(unloadJournalPath, -1, journals, result);

    struct Product {
        qint64 position;
        QByteArray code;
        QString name, stock;
        std::optional<double> value;
    };
    QVector<Product> products;
    QHash<QByteArray, QVector<int>> groups; // the products of each code, in archive order
    if (QFileInfo::exists(archivePath)) {
        RecordFile archive(archivePath, TSchedaProdotto);
        archive.scan([&](const RecordView& r, qint64 position) {
            Product p{position, fieldBytes(r, Prodotto::Codice).toByteArray(),
                      text::trim(r.text(Prodotto::Nome)), text::trim(r.text(Prodotto::Giacenza)),
                      std::nullopt};
            p.value = p.stock.isEmpty() ? std::optional<double>(0) : text::parseNumber(p.stock);
            groups[p.code].push_back(int(products.size()));
            products.push_back(std::move(p));
            return true;
        });
    }
    result.products = products.size();

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
        const double fromJournals = journals.value(p.code);
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
           column(text::formatNumber(d.journals), 6) + QStringLiteral("  Differenza: ") + diff;
}

} // namespace dp::stock
