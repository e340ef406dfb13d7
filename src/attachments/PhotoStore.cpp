#include "attachments/PhotoStore.h"

#include "storage/ProgramFiles.h"
#include "storage/SafeFile.h"

#include <QDir>
#include <QFont>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>

namespace dp::attachments {

namespace {
const int kJpegQuality = 90;
}

PhotoStore::PhotoStore(const QString& programDir) : m_dir(programDir) {
    if (!m_dir.isEmpty() && !m_dir.endsWith(QLatin1Char('/')))
        m_dir += QLatin1Char('/');
}

QString PhotoStore::folder() const {
    return m_dir + programfiles::name(programfiles::kPhotos);
}

QString PhotoStore::filePath(qint64 position) const {
    return folder() + QStringLiteral("/Prodotto_") + QString::number(position) +
           QStringLiteral(".jpg");
}

bool PhotoStore::makeFolder() const {
    return QDir().mkpath(folder());
}

bool PhotoStore::store(const QImage& picture, qint64 position) const {
    if (position <= 0 || !makeFolder())
        return false;
    return writePicture(picture, filePath(position), "jpeg");
}

bool PhotoStore::writePicture(const QImage& picture, const QString& path, const char* format) {
    if (picture.isNull())
        return false;
    // Written aside and renamed, so that a failed write never leaves half a picture behind.
    SafeFile file(path);
    if (!file.open())
        return false;
    QImageWriter writer(&file.device(), format);
    writer.setQuality(kJpegQuality);
    // JPEG and bitmap have no alpha: flatten transparent pictures on white, not on black.
    const QByteArray f = QByteArray(format).toLower();
    QImage flat = picture;
    if (flat.hasAlphaChannel() && (f == "jpeg" || f == "jpg" || f == "bmp")) {
        QImage white(flat.size(), QImage::Format_RGB32);
        white.fill(Qt::white);
        QPainter p(&white);
        p.drawImage(0, 0, flat);
        p.end();
        flat = white;
    }
    if (!writer.write(flat))
        return false;
    return file.commit();
}

QImage PhotoStore::readPicture(const QString& path) {
    // Read whatever picture the file really holds, whatever its name says, turned upright
    // as the camera that took it recorded.
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    return reader.read();
}

std::optional<QImage> PhotoStore::load(qint64 position) const {
    makeFolder();
    if (position <= 0)
        return std::nullopt;
    QImage image = readPicture(filePath(position));
    if (image.isNull())
        return std::nullopt;
    return image;
}

QImage PhotoStore::placeholder() {
    QImage img(kBoxSize, QImage::Format_RGB32);
    img.fill(QColor(0xf4, 0xf5, 0xf7));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0xb4, 0xb9, 0xc2);

    // A simple camera: body, lens and viewfinder.
    const QRectF body(133, 82, 100, 70);
    QPainterPath cam;
    cam.addRoundedRect(body, 10, 10);
    cam.addRoundedRect(QRectF(160, 70, 36, 16), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(cam.simplified());
    p.setBrush(QColor(0xf4, 0xf5, 0xf7));
    p.drawEllipse(body.center(), 24, 24);
    p.setBrush(ink);
    p.drawEllipse(body.center(), 15, 15);

    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(18);
    p.setFont(f);
    p.setPen(QColor(0x8a, 0x90, 0x9a));
    p.drawText(QRectF(0, 168, kBoxSize.width(), 30), Qt::AlignCenter,
               QStringLiteral("Nessuna foto"));
    p.setPen(QPen(QColor(0xd6, 0xd9, 0xde), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, kBoxSize.width() - 1, kBoxSize.height() - 1));
    return img;
}

} // namespace dp::attachments
