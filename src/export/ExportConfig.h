#pragma once

#include "app/HelpTopics.h"
#include "storage/RecordLayout.h"

#include <QString>

#include <span>
#include <vector>

namespace dp::exports {

// How a column's data cells are written. Text cells carry the text format, so that a
// spreadsheet keeps codes, VAT numbers and postcodes with their leading zeros; numbers and
// dates stay plain so that the user can sum and sort them.
enum class CellKind { Text, Plain, Right };

struct ExportColumn {
    const char* header; // UTF-8, as in the spreadsheet's header row
    int width;          // the header cell's width attribute
    int field;          // of the archive's layout
    int joined = -1;    // a second field, joined to the first with one blank
    CellKind kind = CellKind::Text;
    const char* unloadHeader = nullptr; // the unload journal's header, where it differs
};

enum class ExportArchive { Products, Customers, Suppliers, LoadJournal, UnloadJournal };

// What distinguishes one export screen from the others; texts are UTF-8.
struct ExportConfig {
    ExportArchive archive;
    const char* className;
    const char* caption;
    const RecordLayout* layout;
    const char* archiveFile; // in the program directory; null: the journal path handed over
    const char* fileName;    // the spreadsheet written into the program directory
    const char* worksheet;
    HelpTopic help;
    std::span<const ExportColumn> columns;
    int gridHeaderField = -1; // the field of the one column whose grid header differs
    const char* gridHeaderText = nullptr;

    bool journal() const { return archiveFile == nullptr; }
    int columnCount() const { return int(columns.size()); }
    QString header(int column) const;     // in the file
    QString gridHeader(int column) const; // over the grid's column (the "N." column not counted)
};

const ExportConfig& exportConfig(ExportArchive archive);
// The export screen of that class name (TfrmExpCarico, ...); null when there is none.
const ExportConfig* findExportConfig(QStringView className);

} // namespace dp::exports
