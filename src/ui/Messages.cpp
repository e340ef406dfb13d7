#include "ui/Messages.h"

#include "storage/SafeFile.h"
#include "storage/StorageError.h"
#include "ui/AppContext.h"

#include <QFileInfo>
#include <QUrl>

namespace dp {

const QString kArchiveErrorText = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere "
    "i privilegi di scrittura nella cartella di installazione del programma.");

const QString kArchiveFullText = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio perché il disco della "
    "cartella di installazione del programma è pieno.\n\r\n\rLiberare spazio sul disco e "
    "riprovare.");

const QString kArchiveBusyText = QStringLiteral(
    "Attenzione: l'archivio è momentaneamente in uso su un'altra postazione di lavoro.\n\r\n\r"
    "L'operazione non è stata eseguita: riprovare tra qualche istante.");

const QString kChangedElsewhereText = QStringLiteral(
    "Attenzione: dopo essere stata visualizzata qui, questa scheda è stata modificata su "
    "un'altra postazione di lavoro.\n\r\n\rLe modifiche apportate in questa schermata NON sono "
    "state salvate, per non cancellare quelle dell'altra postazione. Per vedere la scheda "
    "attuale, visualizzarla di nuovo (con i pulsanti di scorrimento o con una ricerca), poi "
    "ripetere le modifiche e premere Salva.");

const QString kNotOpenedText = QStringLiteral(
    "Attenzione: non è stato possibile aprire il file \"%1\".\n\r\n\rVerificare che sul "
    "computer sia installato un programma in grado di aprire questo tipo di file.");

void openFileOnDesktop(Platform& platform, QWidget* parent, const QString& path) {
    if (!platform.openUrl(QUrl::fromLocalFile(path)))
        platform.message(parent, kNotOpenedText.arg(QFileInfo(path).fileName()));
}

void reportChangedElsewhere(AppContext& ctx, QWidget* parent) {
    ctx.platform().notice(parent, NoticeKind::Warning, kChangedElsewhereText);
}

void reportArchiveError(AppContext& ctx, QWidget* parent) {
    // Told by the room left, not by the error: by now the failed call's code is long gone.
    ctx.platform().notice(parent, NoticeKind::Error,
                          diskspace::nearlyFull(ctx.programDir()) ? kArchiveFullText
                                                                  : kArchiveErrorText);
}

void reportArchiveError(AppContext& ctx, QWidget* parent, const StorageError& error) {
    logStorageError(error);
    reportArchiveError(ctx, parent, isArchiveBusy(error));
}

void reportArchiveError(AppContext& ctx, QWidget* parent, bool busy) {
    if (busy)
        ctx.platform().notice(parent, NoticeKind::Warning, kArchiveBusyText);
    else
        reportArchiveError(ctx, parent);
}

} // namespace dp
