#pragma once

#include "app/HelpTopics.h"

#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
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

// The heading band of a screen: its title on the left, `right` (a picture) on the right.
QFrame* makeHeading(QWidget* parent, const QString& title, QWidget* right = nullptr);
// The screen's title from its caption, without the program's name (" Depotta - ").
QString titleOf(const QString& caption);

// The foot of every list screen: the two find instructions, txtTrova with its btnTrova, the
// print and exit buttons, and the help picture (imgGuida, for the heading band).
struct FindPrintBar {
    QVBoxLayout* layout;
    QLineEdit* trova;
    QPushButton* btnTrova;
    QPushButton* stampa;
    QPushButton* esci;
    QToolButton* guida;
};
FindPrintBar makeFindPrintBar(QWidget* parent, const QString& printCaption, HelpTopic help);

// The waiting notice shown while a list loads.
QLabel* makeWaitingLabel(QWidget* parent, const QString& text);

} // namespace dp::summaries
