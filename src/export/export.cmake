# Spreadsheet export: the column tables, the archive snapshot, the grid's model and the file
# writer (dp_export_core); the one export screen behind the five names (dp_export_ui).
add_library(dp_export_core STATIC
  src/export/ArchiveCells.cpp
  src/export/ExportConfig.cpp
  src/export/ExportGridModel.cpp
  src/export/SpreadsheetWriter.cpp
)
target_link_libraries(dp_export_core PUBLIC depotta_policy dp_storage dp_help_core Qt6::Core)
target_link_libraries(depotta_core INTERFACE dp_export_core)

add_library(dp_export_ui STATIC
  src/export/ExportScreen.cpp
)
target_link_libraries(dp_export_ui PUBLIC depotta_policy dp_export_core dp_ui_base)
target_link_libraries(depotta_ui INTERFACE dp_export_ui)
