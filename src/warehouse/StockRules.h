#pragma once

#include "storage/Journal.h"
#include "storage/Record.h"

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

// Movements registered on two workstations add up. A product sheet saved over a stored
// product that another workstation changed since the sheet showed it: when the two differ
// only in their stock, the sheet as built with the stored stock plus the change this sheet's
// movements made since it was shown. Nothing when anything else differs, when a stock is not
// a number, or when the sum does not fit the stock field.
std::optional<Record> mergeStock(const Record& stored, const Record& shown, const Record& built);

// The movements of a sheet whose save is refused are in the journals already and must reach
// the stored stock all the same: the stored product with its stock plus the change this
// sheet's movements made. Nothing when the sheet made none, when a stock is not a number, or
// when the sum does not fit the stock field.
std::optional<Record> keepMovements(const Record& stored, const Record& shown, const Record& built);

// The warning shown after keepMovements was written in place of a refused save.
QString movementsKeptText();

} // namespace dp::stock
