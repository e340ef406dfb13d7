#pragma once

#include <QDate>
#include <QString>

namespace dp::search {

// What needs doing today, counted over the archives of one folder with the rules of the
// lists that show it.
struct ReminderCounts {
    qint64 lowStock = 0;          // articles at or below their warning level
    qint64 unpaid = 0;            // purchases not paid
    qint64 customerCallBacks = 0; // customers to call back
    qint64 supplierCallBacks = 0; // suppliers to call back
    qint64 documents = 0;         // customer identity documents expired or expiring soon
    bool any() const {
        return lowStock || unpaid || customerCallBacks || supplierCallBacks || documents;
    }
};

// Each count is one read of its archive in blocks. An archive that is missing or cannot be read
// counts nothing; a list that stops at a record it cannot judge counts what comes before it, as the
// list shows. Safe to run away from the interface thread.
ReminderCounts countReminders(const QString& folder, QDate today);

} // namespace dp::search
