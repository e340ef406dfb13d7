#pragma once

#include <QString>

class QLabel;
class QListView;
class QToolButton;
class QWidget;

namespace dp {
class LineListModel;
}

namespace dp::summaries {

// The list of a summary or inventory: a QListView over a LineListModel, items in
// "Courier New" 12 so that the padded columns line up, 1600 units wide, scroll bars shown.
QListView* makeLineList(QWidget* parent, LineListModel* model);

// A clickable picture (imgGuida, imgEsci, cmdEsporta).
QToolButton* makePicture(QWidget* parent, const QString& name, const QString& tip,
                         const QString& kind);

// A label with the name and text given.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text);

// The waiting notice shown while a list loads.
QLabel* makeWaitingLabel(QWidget* parent, const QString& text);

// Help topics of the summary screens, for the help viewer.
inline constexpr const char* kHelpMovements = "Applicazione Riepilogo Movimenti.";
inline constexpr const char* kHelpInventory = "Applicazione Inventario Merce.";

} // namespace dp::summaries
