#include "warehouse/StockRules.h"

#include "storage/Layouts.h"
#include "storage/TextValues.h"

namespace dp::stock {

namespace {
std::optional<double> readOrZero(QStringView s) {
    if (text::isBlank(s))
        return 0.0;
    return text::parseNumber(s);
}
} // namespace

std::optional<double> afterMovement(QStringView stock, QStringView quantity, MovementKind kind) {
    const auto a = readOrZero(stock);
    const auto b = readOrZero(quantity);
    if (!a || !b)
        return std::nullopt;
    return kind == MovementKind::Load ? *a + *b : *a - *b;
}

bool fitsStockField(QStringView stock) {
    return text::trim(stock).size() <= TSchedaProdotto.width(Prodotto::Giacenza);
}

QString tooLargeText() {
    return QStringLiteral(
        "Attenzione: la nuova giacenza supererebbe i limiti del campo Giacenza della scheda "
        "(da -999 a 9999 pezzi).\n\r\n\rL'operazione non è stata registrata.");
}

namespace {
// `into` with its stock replaced by the stored stock plus what the sheet's movements changed.
std::optional<Record> withMovements(Record into, const Record& stored, const Record& shown,
                                    const Record& built, bool onlyWhenMoved) {
    using Prodotto::Giacenza;
    const auto now = readOrZero(stored.text(Giacenza));
    const auto before = readOrZero(shown.text(Giacenza));
    const auto after = readOrZero(built.text(Giacenza));
    if (!now || !before || !after || (onlyWhenMoved && *after == *before))
        return std::nullopt;
    const QString sum = text::formatNumber(*now + *after - *before);
    if (!fitsStockField(sum))
        return std::nullopt;
    into.setText(Giacenza, sum);
    return into;
}
} // namespace

std::optional<Record> mergeStock(const Record& stored, const Record& shown, const Record& built) {
    using namespace Prodotto;
    Record storedWithout = stored;
    Record shownWithout = shown;
    storedWithout.setText(Giacenza, u"");
    shownWithout.setText(Giacenza, u"");
    if (storedWithout.bytes() != shownWithout.bytes())
        return std::nullopt;
    return withMovements(built, stored, shown, built, false);
}

std::optional<Record> keepMovements(const Record& stored, const Record& shown,
                                    const Record& built) {
    return withMovements(stored, stored, shown, built, true);
}

QString movementsKeptText() {
    return QStringLiteral(
        "Attenzione: dopo essere stata visualizzata qui, questa scheda è stata modificata su "
        "un'altra postazione di lavoro.\n\r\n\rI carichi e gli scarichi registrati in questa "
        "schermata sono stati aggiunti alla giacenza in archivio; le altre modifiche NON sono "
        "state salvate, per non cancellare quelle dell'altra postazione. Ora è visualizzata la "
        "scheda attuale: ripetere soltanto le altre modifiche, senza registrare di nuovo i "
        "movimenti, e premere Salva.");
}

} // namespace dp::stock
