#pragma once

#include <QFrame>
#include <QImage>

namespace dp {

// The photo box of the product sheet: holds the whole picture and draws it scaled to fit,
// keeping its proportions. With no photo it shows the placeholder.
class PhotoBox final : public QFrame {
    Q_OBJECT
  public:
    explicit PhotoBox(QWidget* parent = nullptr);

    // The picture in the box, the placeholder when no photo is set.
    QImage picture() const;
    bool hasPhoto() const { return !m_photo.isNull(); }
    // A new picture for the product (file, camera): written at the next save. A null
    // picture shows the placeholder.
    void setPicture(const QImage& picture);
    void showPlaceholder();
    // The picture read from the photo file of that position: saving the sheet again at the
    // same position need not encode it anew.
    void setStoredPicture(const QImage& picture, qint64 position);
    // What the box shows has just been written to the photo file of that position.
    void markStored(qint64 position) { m_storedAt = position; }
    qint64 storedAt() const { return m_storedAt; }

    QSize sizeHint() const override;

    // Where a picture is drawn in an area: as large as the area allows, keeping its
    // proportions, centred.
    static QRect fitted(QSize picture, const QRect& area);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage m_photo;
    QImage m_placeholder;
    qint64 m_storedAt = 0;
};

} // namespace dp
