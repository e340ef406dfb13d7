#pragma once

#include <QImage>

#include <optional>

class QWidget;

namespace dp {

class AppContext;

// The photo file dialogs of the product sheet and the camera screen.
namespace photofiles {

// Asks for a JPEG or bitmap file. Nothing when the user cancels; a null picture when the
// file holds none that can be read.
std::optional<QImage> pickPicture(AppContext& ctx, QWidget* parent);

// Asks where to save, proposing "Foto.jpg", and writes the picture in the format its
// extension names (JPEG, with ".jpg" added, when it names none; replacing a file of that
// final name is asked first). A failed write is reported and returns false; the caller's
// picture stays as it was.
bool savePictureAs(AppContext& ctx, QWidget* parent, const QImage& picture);

} // namespace photofiles
} // namespace dp
