#pragma once

#include "ui/Style.h"

#include <QColor>
#include <QLabel>

namespace dp {

// A link text of the help, information and splash screens: dark blue, orange while a mouse
// button is held down on it or on its picture, and a click performs the link's action.
class LinkLabel final : public QLabel {
    Q_OBJECT
  public:
    LinkLabel(const QString& name, const QString& text, QWidget* parent);

    // The picture beside the link reacts to the mouse exactly as the text does.
    void addPicture(QWidget* picture);

    static QColor normalColour() { return QColor(QLatin1String(style::kLinkText)); }
    static QColor pressedColour() { return QColor(QLatin1String(style::kLinkPressed)); }

  Q_SIGNALS:
    void activated();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void MouseDown();
    void MouseUp(bool inside);
    void setColour(const QColor& colour);

    bool m_pressed = false;
};

} // namespace dp
