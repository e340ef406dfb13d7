#pragma once

#include <QIcon>

namespace dp {

// The pictures of the program's buttons, drawn at run time in one palette and one style so
// that the same action looks the same on every screen and stays sharp at any size.
enum class Icon {
    // Sheet actions.
    New,
    Duplicate,
    Save,
    // Browsing the archive.
    First,
    Previous,
    Next,
    Last,
    // Lists and tools.
    Find,
    LowStock,      // a box with a red arrow going down
    Unpaid,        // a gold coin with the euro sign
    RecontactList, // a clipboard with a red-dotted list
    Attach,
    // Output.
    Preview,
    Print,
    Pdf,
    Export, // a spreadsheet with an arrow leaving it
    // Leaving and help.
    Help,
    Exit, // a door with an arrow leaving through it
    // Buttons beside a field or a photo.
    Email,
    Check,          // a green disc with a white tick
    ImportSupplier, // a person with an arrow
    Remove,         // a red disc with a white cross
    Open,           // a folder
    Camera,
    Zoom,
};

// The picture at the sizes the screens use, with its disabledLook for the disabled state.
QIcon icon(Icon which);

// Grey and faded, so that a button that does nothing does not look clickable. Every style
// gets the same disabled look, rather than whatever the style would make of a coloured
// picture.
QPixmap disabledLook(const QPixmap& normal);

} // namespace dp
