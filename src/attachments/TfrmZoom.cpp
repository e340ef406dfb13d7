#include "attachments/TfrmZoom.h"

#include "attachments/PhotoBox.h"
#include "ui/Style.h"
#include "ui/WindowPlacement.h"

#include <QEvent>
#include <QFrame>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace dp {

namespace {

class ZoomedPicture final : public QWidget {
  public:
    explicit ZoomedPicture(QWidget* parent) : QWidget(parent) {}
    QImage picture;
    QRect area() const { return PhotoBox::fitted(picture.size(), rect()); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(area(), picture);
    }
};

} // namespace

TfrmZoom::TfrmZoom(AppContext& ctx, QWidget* owner)
    : ToolDialog(ctx, owner, QStringLiteral("TfrmZoom"),
                 QStringLiteral(" Fai clic sulla foto per chiudere questa finestra")),
      m_panel(new QFrame(this)), m_picture(new ZoomedPicture(m_panel)) {
    m_panel->setObjectName(QStringLiteral("panContainer"));
    m_picture->setObjectName(QStringLiteral("imgFoto"));
    m_picture->setCursor(Qt::PointingHandCursor);
    auto* inner = new QVBoxLayout(m_panel);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->addWidget(m_picture);
    setStyleSheet(QStringLiteral("QDialog#TfrmZoom { background: %1; }")
                      .arg(QLatin1String(style::kButtonHoverRing)));
    m_panel->installEventFilter(this);
    m_picture->installEventFilter(this);
    setSizeGripEnabled(false);
}

void TfrmZoom::setPicture(const QImage& picture) {
    static_cast<ZoomedPicture*>(m_picture)->picture = picture;
    m_picture->update();
}

QRect TfrmZoom::pictureRect() const {
    return static_cast<ZoomedPicture*>(m_picture)->area();
}

void TfrmZoom::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        placeWindow(this, Placement::Maximised);
    ToolDialog::showEvent(event);
}

void TfrmZoom::resizeEvent(QResizeEvent* event) {
    // The screen less a margin, centred, and never more than the window has room for.
    QSize area = screen() ? screen()->size() - QSize(60, 90) : size();
    area = area.boundedTo(size());
    m_panel->setGeometry(
        QRect(QPoint((width() - area.width()) / 2, (height() - area.height()) / 2), area));
    ToolDialog::resizeEvent(event);
}

bool TfrmZoom::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == m_panel || watched == m_picture) &&
        event->type() == QEvent::MouseButtonRelease) {
        accept();
        return true;
    }
    return ToolDialog::eventFilter(watched, event);
}

} // namespace dp
