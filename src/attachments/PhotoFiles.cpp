#include "attachments/PhotoFiles.h"

#include "attachments/PhotoStore.h"
#include "ui/AppContext.h"
#include "ui/Platform.h"

#include <QFileInfo>
#include <QImageWriter>

namespace dp::photofiles {

std::optional<QImage> pickPicture(AppContext& ctx, QWidget* parent) {
    const QString picked = ctx.platform().openFileName(
        parent, QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."),
        QString(), QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));
    if (picked.isEmpty())
        return std::nullopt;
    return attachments::PhotoStore::readPicture(picked);
}

bool savePictureAs(AppContext& ctx, QWidget* parent, const QImage& picture) {
    QString proposed = QStringLiteral("Foto.jpg");
    QString path;
    QByteArray format;
    for (;;) {
        const QString chosen = ctx.platform().saveFileName(
            parent,
            QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."),
            proposed, QStringLiteral("File Jpeg (*.jpg)"));
        if (chosen.isEmpty())
            return true;
        path = chosen;
        format = QFileInfo(path).suffix().toLower().toLatin1();
        if (format.isEmpty())
            path += QStringLiteral(".jpg");
        // The dialog asked about the name as chosen; a file it never named is asked about here,
        // and a No brings the dialog back for another name.
        if (path == chosen || !QFileInfo::exists(path) ||
            ctx.platform().question(
                parent, QStringLiteral("Attenzione: nella cartella scelta è già presente un file "
                                       "di nome \"%1\".\r\n\r\nSi vuole sovrascrivere il file "
                                       "esistente?")
                            .arg(QFileInfo(path).fileName())))
            break;
        proposed = chosen;
    }
    if (!QImageWriter::supportedImageFormats().contains(format))
        format = "jpeg";
    if (attachments::PhotoStore::writePicture(picture, path, format.constData()))
        return true;
    ctx.platform().notice(
        parent, NoticeKind::Error,
        QStringLiteral("Attenzione: non è stato possibile salvare la foto nel file \"%1\"."
                       "\r\n\r\nVerificare che nella cartella scelta si possa scrivere e "
                       "riprovare.")
            .arg(QFileInfo(path).fileName()));
    return false;
}

} // namespace dp::photofiles
