add_library(dp_ui_base STATIC
  src/ui/AppContext.cpp
  src/ui/ArchiveSheet.cpp
  src/ui/AreaScreen.cpp
  src/ui/Messages.cpp
  src/ui/EnterChain.cpp
  src/ui/FieldConventions.cpp
  src/ui/FindInList.cpp
  src/ui/Icons.cpp
  src/ui/LineListModel.cpp
  src/ui/QtPlatform.cpp
  src/ui/TfrmCalendario.cpp
  src/ui/ToolDialog.cpp
  src/ui/WindowPlacement.cpp
)
target_link_libraries(dp_ui_base PUBLIC depotta_policy dp_storage Qt6::Widgets Qt6::PrintSupport)
target_link_libraries(depotta_ui INTERFACE dp_ui_base)
