#include "summaries/MovementList.h"

#include "storage/Layouts.h"
#include "storage/RecordFile.h"
#include "storage/TextValues.h"
#include "storage/Win1252.h"
#include "summaries/IntervalRules.h"

#include <cstring>

namespace dp::summaries {

namespace {

// Fixed pieces 146 characters, plus the amount of at most 15.
constexpr qsizetype kMaxLine = 6 + 10 + 12 + 20 + 8 + 20 + 8 + 30 + 11 + 10 + 12 + 15;

const char* fieldAt(const char* record, Movimento::Field f) {
    return record + TMovimento.offset(f);
}

void writeLine(LineWriter& w, const MovementKind& kind, const char* r) {
    using namespace Movimento;
    w.literal("Data: ");
    w.fitField(fieldAt(r, Data), TMovimento.width(Data), 10);
    w.literal("  Cod. art. ");
    w.fitField(fieldAt(r, Codice), TMovimento.width(Codice), 20);
    w.literal("  Tipo: ");
    w.fitField(fieldAt(r, Categoria), TMovimento.width(Categoria), 20);
    w.literal("  Nome: ");
    w.fitField(fieldAt(r, Nome), TMovimento.width(Nome), 30);
    w.literal(kind.quantityPiece, qsizetype(std::strlen(kind.quantityPiece)));
    w.fitField(fieldAt(r, Aggiunta), TMovimento.width(Aggiunta), 10);
    w.literal(kind.amountPiece, qsizetype(std::strlen(kind.amountPiece)));
    w.trimmedField(fieldAt(r, Importo), TMovimento.width(Importo));
    w.endLine();
}

} // namespace

MovementLoad loadMovements(const MovementKind& kind, const MovementRequest& req) {
    using namespace Movimento;
    MovementLoad out;
    const int start = dateKey(req.start);
    const int end = dateKey(req.end);
    const bool allCodes = text::isBlank(req.codeFilter);
    const ByteKey filter = byteKey(text::lowerAscii(req.codeFilter));
    const QString allTitle = QStringLiteral("Tutti gli articoli");
    const QString filterTitle = text::trim(req.codeFilter);
    try {
        RecordFile file(req.journalPath, TMovimento, RecordFile::Lock::Shared);
        LineWriter w(out.lines, file.count(), kMaxLine);
        file.scan([&](const RecordView& view, qint64 position) {
            const char* r = view.data();
            if (allCodes) {
                out.titTipologia = allTitle;
            } else {
                const FieldBytes code = trimmedBytes(fieldAt(r, Codice), TMovimento.width(Codice));
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
            if (start <= date && date <= end)
                writeLine(w, kind, r);
            return true;
        });
    } catch (const StorageError&) {
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
    const QString what = badDate.isEmpty()
                             ? QStringLiteral("non ha la data")
                             : QStringLiteral("ha una data non valida (\"%1\")").arg(badDate);
    return QStringLiteral("Attenzione: il movimento in posizione %1 dell'archivio %2.\n\r\n\r"
                          "Il riepilogo è incompleto: elenca soltanto i movimenti registrati "
                          "prima di quella posizione.")
        .arg(position)
        .arg(what);
}

} // namespace dp::summaries
