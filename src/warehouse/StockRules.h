#pragma once

#include "storage/Journal.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace dp::stock {

// The stock after a movement: current stock plus (load) or minus (unload) the quantity,
// both read with a comma decimal separator; blank texts count as 0. Nothing when either
// text is not a number. An unload larger than the stock gives a negative stock.
std::optional<double> afterMovement(QStringView stock, QStringView quantity, MovementKind kind);

// Whether a stock text fits the product record's stock field without being cut.
bool fitsStockField(QStringView stock);

// The warning shown when a movement would give a stock the field cannot hold.
QString tooLargeText();

} // namespace dp::stock
