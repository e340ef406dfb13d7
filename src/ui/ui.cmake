add_library(dp_ui_base STATIC
  src/ui/AppContext.cpp
  src/ui/ArchiveSheet.cpp
  src/ui/AreaScreen.cpp
  src/ui/Messages.cpp
  src/ui/EnterChain.cpp
  src/ui/FieldConventions.cpp
  src/ui/FindInList.cpp
  src/ui/HandBack.cpp
  src/ui/Icons.cpp
  src/ui/LineListModel.cpp
  src/ui/LinkLabel.cpp
  src/ui/ProgressWindow.cpp
  src/ui/ListScreen.cpp
  src/ui/QtPlatform.cpp
  src/ui/SheetFrame.cpp
  src/ui/Style.cpp
  src/ui/TfrmCalendario.cpp
  src/ui/TfrmGuida.cpp
  src/ui/ToolDialog.cpp
  src/ui/WaitCursor.cpp
  src/ui/WindowPlacement.cpp
)
# dp_help_core (src/app/app.cmake): the help texts that every screen's help button shows.
target_link_libraries(dp_ui_base PUBLIC depotta_policy dp_storage dp_help_core Qt6::Widgets
                      Qt6::PrintSupport)
target_link_libraries(depotta_ui INTERFACE dp_ui_base)
