#pragma once

#include <QList>
#include <QString>

namespace dp {

// The program's help: one topic per help button (two screens may share one), each a title
// and a plain Italian text whose paragraphs are separated by an empty line. The help viewer
// shows them and the printed guide Guida.pdf is made from them, so the two always agree.
enum class HelpTopic {
    Generale,         // main menu
    Magazzino,        // product sheet
    Clienti,          // customer sheet
    Fornitori,        // supplier sheet
    Inventario,       // inventory selection and list
    Movimenti,        // load and unload summaries
    EsportaMagazzino, // the five spreadsheet exports
    EsportaClienti,
    EsportaFornitori,
    EsportaCarico,
    EsportaScarico,
};

namespace help {

// Every topic once, in the order of the printed guide.
QList<HelpTopic> topics();

QString title(HelpTopic topic);
QString text(HelpTopic topic);
// The text cut at its empty lines.
QStringList paragraphs(HelpTopic topic);

// The password with which the installation's password file is delivered.
QString initialPassword();

} // namespace help

} // namespace dp
