# Archive searches and record lists: the pure rules (matching, selection, line formats, list
# order, the archive scans) in dp_search_core.
add_library(dp_search_core STATIC
  src/search/LineFormat.cpp
  src/search/ListOrder.cpp
  src/search/RecordLists.cpp
  src/search/RecordScan.cpp
  src/search/Reminders.cpp
  src/search/SelectionRules.cpp
)
target_link_libraries(dp_search_core PUBLIC depotta_policy dp_storage dp_summaries_core Qt6::Core)
target_link_libraries(depotta_core INTERFACE dp_search_core)

add_library(dp_search_ui STATIC
  src/search/RecordListBase.cpp
  src/search/RecordListScreen.cpp
  src/search/SearchScreen.cpp
)
target_link_libraries(dp_search_ui PUBLIC depotta_policy dp_search_core dp_ui_base dp_report_ui)
target_link_libraries(depotta_ui INTERFACE dp_search_ui)
