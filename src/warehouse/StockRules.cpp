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

} // namespace dp::stock
