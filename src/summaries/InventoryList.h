#pragma once

#include "storage/KeptLines.h"

#include <QString>
#include <QStringList>

namespace dp::summaries {

struct InventoryLoad {
    KeptLines lines;
    double total = 0; // running total of the listed articles
    // The text for titTipologia: the trimmed filter, or "Tutti gli articoli in magazzino.".
    QString titTipologia;
    // Position of the product whose stock or cost is not a number; loading stopped there.
    qint64 stoppedAt = 0;
    QString stopReason; // what was wrong, in Italian, for the notice
    bool accessFailed = false;
    bool busy = false; // the failure: another workstation kept the archive locked
    bool complete() const { return !stoppedAt && !accessFailed; }
};

// Reads Magazzino.pro once, in blocks, keeping the products whose category contains the
// filter (any product when the filter is blank), each with its value stock x cost.
InventoryLoad loadInventory(const QString& archivePath, const QString& categoryFilter);

// The final total: "€ " and the total brought to 4 decimals, shown with 2 to 4.
QString formatTotal(double total);

// The printed memo: every list line, then the hyphen line and the total.
QStringList inventoryMemo(const QStringList& lines, const QString& totale);

// The warning that the inventory stops before a product that cannot be valued.
QString inventoryStopText(qint64 position, const QString& reason);

} // namespace dp::summaries
