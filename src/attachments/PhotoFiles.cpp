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
    QString path = ctx.platform().saveFileName(
        parent, QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."),
        QStringLiteral("Foto.jpg"), QStringLiteral("File Jpeg (*.jpg)"));
    if (path.isEmpty())
        return true;
    QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (format.isEmpty())
        path += QStringLiteral(".jpg");
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
