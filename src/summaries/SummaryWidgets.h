#pragma once

#include <QString>

class QLabel;
class QToolButton;
class QWidget;

namespace dp {

// A clickable picture (imgGuida, imgEsci, cmdEsporta).
QToolButton* makePicture(QWidget* parent, const QString& name, const QString& tip,
                         const QString& kind);

// A label with the name and text given.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text);

// The waiting notice shown while a list loads.
QLabel* makeWaitingLabel(QWidget* parent, const QString& text);

} // namespace dp
