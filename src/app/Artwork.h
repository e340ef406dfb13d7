#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>

namespace dp::art {

// The program's pictures, drawn at run time so that they stay sharp at any size.
enum class Picture {
    Clienti,
    Fornitori,
    Magazzino,
    Inventario,
    Carico,
    Scarico,
    Info,
    Copyright,
    Sito,
    Copia, // the backup: an archive box with an arrow going into it
    Esci,
    Logo, // the program's mark: a parcel on a pallet
};

// The colour that identifies a work area (its tile and caption bar).
QColor accent(Picture p);

QPixmap picture(Picture p, int size, qreal devicePixelRatio = 1.0);
// An icon with the picture at several sizes, greyed for the disabled state as the
// toolbars' pictures are.
QIcon icon(Picture p);
// The program's mark (Picture::Logo) as an SVG document, drawn from the same shapes.
QString logoSvg();

// The mark followed by the name "Depotta" and a short line under it, for light text on the
// dark title band of the login screen and the main menu.
QPixmap banner(int height, qreal devicePixelRatio = 1.0);

} // namespace dp::art
