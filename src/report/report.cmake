# Report engine: document model, list and record-sheet layouts and PDF output (dp_report_core, QtGui only);
# print dialog and preview (dp_report_ui).
add_library(dp_report_core STATIC
  src/report/ListReport.cpp
  src/report/PdfExport.cpp
  src/report/ReportDocument.cpp
  src/report/SheetLayout.cpp
)
target_link_libraries(dp_report_core PUBLIC depotta_policy dp_storage Qt6::Core Qt6::Gui)
target_link_libraries(depotta_core INTERFACE dp_report_core)

add_library(dp_report_ui STATIC
  src/report/PreviewDialog.cpp
  src/report/ReportOutput.cpp
)
target_link_libraries(dp_report_ui PUBLIC depotta_policy dp_report_core dp_ui_base Qt6::PrintSupport)
target_link_libraries(depotta_ui INTERFACE dp_report_ui)
