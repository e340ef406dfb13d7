# Identifier checks: pure rules (dp_checks_core) and their screens (dp_checks_ui).
add_library(dp_checks_ui STATIC
  src/checks/CheckScreens.cpp
)
target_link_libraries(dp_checks_ui PUBLIC depotta_policy dp_ui_base)
target_link_libraries(depotta_ui INTERFACE dp_checks_ui)
