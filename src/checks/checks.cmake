# Identifier checks: pure rules (dp_checks_core) and their screens (dp_checks_ui).
add_library(dp_checks_core STATIC
  src/checks/CheckRules.cpp
)
target_link_libraries(dp_checks_core PUBLIC depotta_policy dp_storage Qt6::Core)
target_link_libraries(depotta_core INTERFACE dp_checks_core)

add_library(dp_checks_ui STATIC
  src/checks/CheckDialog.cpp
  src/checks/CheckScreens.cpp
  src/checks/TfrmCarta.cpp
  src/checks/TfrmCodFisc.cpp
  src/checks/TfrmIban.cpp
  src/checks/TfrmPartitaIva.cpp
)
target_link_libraries(dp_checks_ui PUBLIC depotta_policy dp_ui_base dp_checks_core)
target_link_libraries(depotta_ui INTERFACE dp_checks_ui)
