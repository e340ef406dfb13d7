#pragma once

class QWidget;

namespace dp {

enum class Placement { Maximised, Centred };

// Places a top-level window before it first shows. A maximised window also covers the
// available screen as a normal window, for desktops that do not honour the maximised state;
// a centred one sits in the middle of the screen instead of wherever the desktop drops it.
void placeWindow(QWidget* window, Placement placement);

} // namespace dp
