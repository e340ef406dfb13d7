#include "search/Reminders.h"

#include "search/RecordLists.h"
#include "search/RecordScan.h"
#include "storage/Layouts.h"

#include <QDir>
#include <QFileInfo>

namespace dp::search {

ReminderCounts countReminders(const QString& folder, QDate today) {
    const QDir dir(folder);
    const auto count = [&](const RecordLayout& layout, const SelectionRule& rule) -> qint64 {
        const QString path = dir.filePath(layout.file());
        // Counting must not create archives the user has never used.
        if (!QFileInfo::exists(path))
            return 0;
        return countRecords(path, layout, rule).count;
    };
    ReminderCounts c;
    c.lowStock = count(TSchedaProdotto, lowStockList().rule);
    c.unpaid = count(TSchedaProdotto, unpaidList().rule);
    c.customerCallBacks = count(TSchedaCliente, customerRecontactList().rule);
    c.supplierCallBacks = count(TSchedaFornitore, supplierRecontactList().rule);
    c.documents = count(TSchedaCliente, documentExpiring(today, kDocumentNoticeDays));
    return c;
}

} // namespace dp::search
