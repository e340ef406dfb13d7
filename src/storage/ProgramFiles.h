#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The one list of the data the program keeps in its directory. Every archive, journal and
// data folder is named here and nowhere else, so that the backup carries whatever the
// program keeps.
namespace dp::programfiles {

inline constexpr char kProducts[] = "Magazzino.pro";
inline constexpr char kCustomers[] = "Clienti.pro";
inline constexpr char kSuppliers[] = "Fornitori.pro";
inline constexpr char kLoadJournal[] = "Operazioni_Carico.pro";
inline constexpr char kUnloadJournal[] = "Operazioni_Scarico.pro";
inline constexpr char kPassword[] = "unins000.dll";
inline constexpr char kPhotos[] = "Schedario";
inline constexpr char kAttachments[] = "Documenti_Allegati";

enum class Kind { File, Folder };
struct Entry {
    const char* name;
    Kind kind;
};

// In the order a backup stores them.
inline constexpr Entry kData[] = {
    {kProducts, Kind::File},    {kCustomers, Kind::File},     {kSuppliers, Kind::File},
    {kLoadJournal, Kind::File}, {kUnloadJournal, Kind::File}, {kPassword, Kind::File},
    {kPhotos, Kind::Folder},    {kAttachments, Kind::Folder},
};

inline QString name(const char* entry) {
    return QString::fromLatin1(entry);
}

// Whether a path relative to the program directory names program data: one of the files
// above, or something inside one of the folders. No absolute path, no "..", no backslash.
bool isDataPath(QStringView relative);

} // namespace dp::programfiles
