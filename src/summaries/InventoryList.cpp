#include "summaries/InventoryList.h"

#include "storage/Layouts.h"
#include "storage/RecordFile.h"
#include "storage/TextValues.h"
#include "storage/Win1252.h"
#include "summaries/ListLines.h"

#include <optional>

namespace dp::summaries {

namespace {

// Fixed pieces 144 characters; the value in the general format takes at most 22.
constexpr qsizetype kValueRoom = 24;
constexpr qsizetype kMaxLine = 25 + 2 + 42 + 8 + 10 + 11 + 12 + 12 + 10 + 12 + kValueRoom;

const char* fieldAt(const char* record, Prodotto::Field f) {
    return record + TSchedaProdotto.offset(f);
}

std::optional<double> numberField(const char* r, Prodotto::Field f, QString* text) {
    const FieldBytes b = trimmedBytes(fieldAt(r, f), TSchedaProdotto.width(f));
    const QString s = win1252::decode(b.data, b.size);
    const auto v = text::parseNumber(s);
    if (!v)
        *text = s;
    return v;
}

QString notANumber(bool stock, const QString& text) {
    const QString what = stock ? QStringLiteral("una giacenza") : QStringLiteral("un costo");
    if (text.isEmpty())
        return what + QStringLiteral(" mancante");
    return what + (stock ? QStringLiteral(" non numerica") : QStringLiteral(" non numerico")) +
           QStringLiteral(" (\"") + text::visibleControls(text) + QStringLiteral("\")");
}

void writeLine(QByteArray& out, const char* r, double value) {
    using namespace Prodotto;
    auto fitted = [&](Field f, int n) {
        appendFitted(out, fieldAt(r, f), TSchedaProdotto.width(f), n);
    };
    out.resize(0);
    fitted(Codice, 25);
    out.append("  ");
    fitted(Nome, 42);
    out.append("  Scad. ");
    fitted(DataSca, 10);
    out.append("  Costo: \x80 ");
    fitted(Costo, 12);
    out.append("  Giacenza: ");
    fitted(Giacenza, 10);
    out.append("  Valore: \x80 ");
    const QByteArray v = text::formatNumber(value).toLatin1(); // digits, comma, sign, E
    out.append(v.constData(), qMin<qsizetype>(v.size(), kValueRoom));
}

} // namespace

InventoryLoad loadInventory(const QString& archivePath, const QString& categoryFilter) {
    using namespace Prodotto;
    InventoryLoad out;
    const bool all = text::isBlank(categoryFilter);
    const ByteKey filter = byteKey(text::lowerAscii(categoryFilter));
    // A filter is shown (trimmed) even when no product has a category, so that the label
    // never claims the whole warehouse for a filtered list.
    out.titTipologia =
        all ? QStringLiteral("Tutti gli articoli in magazzino.") : text::trim(categoryFilter);
    try {
        RecordFile file(archivePath, TSchedaProdotto, RecordFile::Lock::Shared);
        QByteArray line;
        line.reserve(kMaxLine);
        // Room for the records the scan works on, not for a count taken apart from it: a
        // product appended meanwhile by another workstation is not listed.
        file.scan([&](qint64 count) { out.lines.reserve(count, kMaxLine); },
                  [&](const RecordView& view, qint64 position) {
                      const char* r = view.data();
                      if (!all) {
                          const FieldBytes cat =
                              trimmedBytes(fieldAt(r, Tipologia), TSchedaProdotto.width(Tipologia));
                          if (cat.size == 0 || !containsFolded(cat.data, cat.size, filter))
                              return true;
                      }
                      QString bad;
                      const auto stock = numberField(r, Giacenza, &bad);
                      if (!stock) {
                          out.stoppedAt = position;
                          out.stopReason = notANumber(true, bad);
                          return false;
                      }
                      const auto cost = numberField(r, Costo, &bad);
                      if (!cost) {
                          out.stoppedAt = position;
                          out.stopReason = notANumber(false, bad);
                          return false;
                      }
                      const double value = *stock * *cost;
                      writeLine(line, r, value);
                      out.lines.append(line);
                      out.total += value;
                      return true;
                  });
    } catch (const StorageError& e) {
        logStorageError(e);
        out.accessFailed = true;
        out.busy = isArchiveBusy(e);
    }
    out.lines.squeeze();
    return out;
}

QString formatTotal(double total) {
    return QStringLiteral("€ ") + text::formatAmount(total);
}

QStringList inventoryMemo(const QStringList& lines, const QString& totale) {
    QStringList memo = lines;
    memo.append(QStringLiteral("--------------------------"));
    memo.append(QStringLiteral("VALORE TOTALE: ") + text::trim(totale));
    return memo;
}

QString inventoryStopText(qint64 position, const QString& reason) {
    return QStringLiteral("Attenzione: la scheda in posizione %1 dell'archivio ha %2.\n\r\n\r"
                          "L'inventario è incompleto: elenca soltanto gli articoli registrati "
                          "prima di quella posizione e il valore totale non comprende il resto "
                          "del magazzino.")
        .arg(position)
        .arg(reason);
}

} // namespace dp::summaries
