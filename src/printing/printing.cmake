# Record sheets: what each sheet shows (dp_printing_core) and its print, preview and PDF from
# the screens, with the product sheet's two option screens (dp_printing_ui).
add_library(dp_printing_core STATIC
  src/printing/SheetContent.cpp
)
target_link_libraries(dp_printing_core PUBLIC depotta_policy dp_report_core dp_storage Qt6::Gui)
target_link_libraries(depotta_core INTERFACE dp_printing_core)

add_library(dp_printing_ui STATIC
  src/printing/ProductSheetOptions.cpp
  src/printing/SheetOutput.cpp
  src/printing/TfrmAnteprimaMag.cpp
  src/printing/TfrmStampaMag.cpp
)
target_link_libraries(dp_printing_ui PUBLIC depotta_policy dp_printing_core dp_report_ui dp_ui_base)
target_link_libraries(depotta_ui INTERFACE dp_printing_ui)
