#pragma once

#include <QString>
#include <QVector>

namespace dp::stock {

// A product whose stock on its sheet disagrees with what its movements give.
struct StockDifference {
    qint64 position = 0; // in the product archive
    QString code;        // as on the sheet, trimmed
    QString name;
    QString sheetStock;      // the sheet's text, trimmed ("" counts as 0)
    double journals = 0;     // loads minus unloads of the code, for the whole group
    double difference = 0;   // sheet (of the group) minus journals; meaningless when !readable
    bool readable = true;    // false when the sheet's stock is not a number
    bool sharedCode = false; // another product has the same code: the group is compared
};

struct StockCheck {
    QVector<StockDifference> differences; // archive order, a shared code's group together
    qint64 products = 0;
    qint64 movements = 0;
    qint64 unreadableMovements = 0; // a quantity that is not a number: not counted
};

// Reads the product archive and both journals once, in blocks, and lists the products whose
// stock differs from loads minus unloads of their code. Codes are compared trimmed, letter
// for letter. Products sharing a code cannot be told apart in the journals, so their stocks
// are added and compared together. Nothing is written. Throws StorageError when a file
// cannot be read; a missing journal counts as empty.
StockCheck checkStock(const QString& archivePath, const QString& loadJournalPath,
                      const QString& unloadJournalPath);

// One list line: code, name, stocks and difference in fixed columns, "*" for a shared code.
QString stockCheckLine(const StockDifference& d);

} // namespace dp::stock
