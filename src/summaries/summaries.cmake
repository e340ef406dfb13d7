# Movement summaries and inventory: the pure rules (interval checks, filters, list lines,
# totals, the journal and archive scans) in dp_summaries_core; the screens in dp_summaries_ui.
add_library(dp_summaries_core STATIC
  src/summaries/IntervalRules.cpp
  src/summaries/InventoryList.cpp
  src/summaries/ListLines.cpp
  src/summaries/MovementList.cpp
)
target_link_libraries(dp_summaries_core PUBLIC depotta_policy dp_storage Qt6::Core)
target_link_libraries(depotta_core INTERFACE dp_summaries_core)

add_library(dp_summaries_ui STATIC
  src/summaries/MovementSelection.cpp
  src/summaries/MovementSummaryList.cpp
  src/summaries/SummaryWidgets.cpp
  src/summaries/TfrmMenuRiepilogo.cpp
  src/summaries/TfrmRiepilogo.cpp
)
target_link_libraries(dp_summaries_ui PUBLIC depotta_policy dp_summaries_core dp_ui_base dp_report_ui
  dp_export_ui dp_warehouse_ui)
target_link_libraries(depotta_ui INTERFACE dp_summaries_ui)
