#include "ui/Messages.h"

#include "storage/StorageError.h"
#include "ui/AppContext.h"

namespace dp {

const QString kArchiveBusyText = QStringLiteral(
    "Attenzione: l'archivio è momentaneamente in uso su un'altra postazione di lavoro.\n\r\n\r"
    "L'operazione non è stata eseguita: riprovare tra qualche istante.");

void reportArchiveError(AppContext& ctx, QWidget* parent) {
    ctx.platform().notice(parent, NoticeKind::Error, kArchiveErrorText);
}

void reportArchiveError(AppContext& ctx, QWidget* parent, const StorageError& error) {
    if (dynamic_cast<const ArchiveBusy*>(&error))
        ctx.platform().notice(parent, NoticeKind::Warning, kArchiveBusyText);
    else
        reportArchiveError(ctx, parent);
}

} // namespace dp
