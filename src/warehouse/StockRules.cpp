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

std::optional<Record> mergeStock(const Record& stored, const Record& shown, const Record& built) {
    using namespace Prodotto;
    Record storedWithout = stored;
    Record shownWithout = shown;
    storedWithout.setText(Giacenza, u"");
    shownWithout.setText(Giacenza, u"");
    if (storedWithout.bytes() != shownWithout.bytes())
        return std::nullopt;
    const auto now = readOrZero(stored.text(Giacenza));
    const auto before = readOrZero(shown.text(Giacenza));
    const auto after = readOrZero(built.text(Giacenza));
    if (!now || !before || !after)
        return std::nullopt;
    const QString merged = text::formatNumber(*now + *after - *before);
    if (!fitsStockField(merged))
        return std::nullopt;
    Record out = built;
    out.setText(Giacenza, merged);
    return out;
}

} // namespace dp::stock
