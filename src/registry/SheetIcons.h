#pragma once

#include <QIcon>
#include <QString>

namespace dp {

// The pictures of the registry sheets' buttons, drawn in code so that the program needs no
// icon theme. `name` is the button's objectName (cmdSalva, btnEmail, ...); an unknown name
// gives an empty icon.
QIcon sheetIcon(const QString& name);

} // namespace dp
