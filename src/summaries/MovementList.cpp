#include "summaries/MovementList.h"

#include "storage/Layouts.h"
#include "storage/RecordFile.h"
#include "storage/RecordReader.h"
#include "storage/TextValues.h"
#include "storage/Win1252.h"
#include "summaries/IntervalRules.h"
#include "summaries/ListLines.h"

#include <algorithm>
#include <cstring>

namespace dp::summaries {

namespace {

const char* fieldAt(const char* record, Movimento::Field f) {
    return record + TMovimento.offset(f);
}

qsizetype pieceLength(const char* piece) {
    return qsizetype(std::strlen(piece));
}

class MovementLineFormat final : public RecordFormat {
  public:
    explicit MovementLineFormat(const MovementSummaryConfig& kind)
        : m_kind(kind), m_quantity(pieceLength(kind.quantityPiece)),
          m_amount(pieceLength(kind.amountPiece)) {}

    // Every piece but the amount has a fixed width.
    qsizetype fixedLength() const {
        return 6 + 10 + 12 + 20 + 8 + 20 + 8 + 30 + m_quantity + 10 + m_amount;
    }
    qsizetype maxLength(int) const override {
        return fixedLength() + TMovimento.width(Movimento::Importo);
    }

    void write(const char* r, qint64, int, QByteArray& out) const override {
        using namespace Movimento;
        auto fitted = [&](Field f, int n) {
            appendFitted(out, fieldAt(r, f), TMovimento.width(f), n);
        };
        out.append("Data: ");
        fitted(Data, 10);
        out.append("  Cod. art. ");
        fitted(Codice, 20);
        out.append("  Tipo: ");
        fitted(Categoria, 20);
        out.append("  Nome: ");
        fitted(Nome, 30);
        out.append(m_kind.quantityPiece, m_quantity);
        fitted(Aggiunta, 10);
        out.append(m_kind.amountPiece, m_amount);
        appendTrimmed(out, fieldAt(r, Importo), TMovimento.width(Importo));
    }

  private:
    const MovementSummaryConfig& m_kind;
    qsizetype m_quantity;
    qsizetype m_amount;
};

} // namespace

MovementLoad loadMovements(const MovementSummaryConfig& kind, const MovementRequest& req) {
    using namespace Movimento;
    MovementLoad out;
    const int start = dateKey(req.start);
    const int end = dateKey(req.end);
    const bool allCodes = text::isBlank(req.codeFilter);
    const ByteKey filter = byteKey(text::lowerAscii(req.codeFilter));
    const QString allTitle = QStringLiteral("Tutti gli articoli");
    const QString filterTitle = text::trim(req.codeFilter);
    const auto format = std::make_shared<const MovementLineFormat>(kind);

    // The scan keeps a record index per listed movement and nothing else; the longest
    // amount tells a printed list its widest line without reading the records again.
    std::vector<quint32> picked;
    qint64 counted = 0;
    int longestAmount = 0;
    try {
        RecordFile file(req.journalPath, TMovimento, RecordFile::Lock::Shared);
        file.scan(
            [&](qint64 count) {
                counted = count;
                picked.reserve(size_t(count));
            },
            [&](const RecordView& view, qint64 position) {
                const char* r = view.data();
                if (allCodes) {
                    out.titTipologia = allTitle;
                } else {
                    const FieldBytes code =
                        trimmedBytes(fieldAt(r, Codice), TMovimento.width(Codice));
                    if (code.size == 0)
                        return true;
                    out.titTipologia = filterTitle;
                    if (!containsFolded(code.data, code.size, filter))
                        return true;
                }
                const FieldBytes data = trimmedBytes(fieldAt(r, Data), TMovimento.width(Data));
                const int date = dateKey(data.data, data.size);
                if (!date) {
                    out.stoppedAt = position;
                    out.badDate = win1252::decode(data.data, data.size);
                    return false;
                }
                if (start <= date && date <= end) {
                    picked.push_back(quint32(position - 1));
                    longestAmount =
                        std::max(longestAmount,
                                 trimmedBytes(fieldAt(r, Importo), TMovimento.width(Importo)).size);
                }
                return true;
            });
    } catch (const StorageError& e) {
        logStorageError(e);
        out.accessFailed = true;
        out.busy = isArchiveBusy(e);
    }
    if (picked.empty())
        return out;
    // What was picked before a failure stays listed.
    if (picked.size() < picked.capacity() / 2)
        picked.shrink_to_fit();
    try {
        auto reader = std::make_shared<RecordReader>(req.journalPath, TMovimento, counted);
        out.lines = RecordRows(std::move(reader), format, std::move(picked));
        out.lines.setMaxLength(0, format->fixedLength() + longestAmount);
    } catch (const StorageError& e) {
        logStorageError(e);
        out.accessFailed = true;
    }
    return out;
}

QString intervalLabel(const QString& start, const QString& end) {
    return QStringLiteral("Dal   ") + start + QStringLiteral("   al   ") + end;
}

QStringList movementMemo(const QStringList& lines, const QString& intervallo,
                         const QString& totale) {
    QStringList memo = lines;
    memo.append(QStringLiteral("- - - - - - - - - - - - - - - -"));
    memo.append(QStringLiteral("INTERVALLO SELEZIONATO:    ") + text::trim(intervallo));
    memo.append(QStringLiteral("TOTALE MOVIMENTI:  ") + text::trim(totale));
    return memo;
}

QString movementStopText(qint64 position, const QString& badDate) {
    const QString what =
        badDate.isEmpty()
            ? QStringLiteral("non ha la data")
            : QStringLiteral("ha una data non valida (\"%1\")").arg(text::visibleControls(badDate));
    return QStringLiteral("Attenzione: il movimento in posizione %1 dell'archivio %2.\n\r\n\r"
                          "Il riepilogo è incompleto: elenca soltanto i movimenti registrati "
                          "prima di quella posizione.")
        .arg(position)
        .arg(what);
}

} // namespace dp::summaries
