#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace dp::attachments {

// Product photos live beside the archive, one JPEG per product in the folder "Schedario",
// named after the product's archive position: the position is the only link, and since
// records never move a photo stays with its product for ever.
class PhotoStore {
  public:
    static constexpr QSize kBoxSize{366, 274};

    explicit PhotoStore(const QString& programDir);

    QString folder() const;                  // <program dir>Schedario
    QString filePath(qint64 position) const; // .../Schedario/Prodotto_<position>.jpg

    // Creates the folder, then writes the picture as JPEG over any older file.
    bool store(const QImage& picture, qint64 position) const;
    // Creates the folder, then reads the photo of that position; nothing when the file is
    // missing or unreadable.
    std::optional<QImage> load(qint64 position) const;

    // Writes a picture in the given format (a QImageWriter format name) over any older file,
    // all or nothing.
    static bool writePicture(const QImage& picture, const QString& path, const char* format);
    // A null picture when the file is missing or holds no picture.
    static QImage readPicture(const QString& path);

    // The picture shown when a product has no photo (needs a running QGuiApplication).
    static QImage placeholder();

  private:
    bool makeFolder() const;
    QString m_dir;
};

} // namespace dp::attachments
