# Customer and supplier registries: the province codes (dp_registry_core) and the two sheets
# built on one configurable registry sheet (dp_registry_ui).
add_library(dp_registry_core STATIC
  src/registry/ProvinceCodes.cpp
)
target_link_libraries(dp_registry_core PUBLIC depotta_policy Qt6::Core)
target_link_libraries(depotta_core INTERFACE dp_registry_core)

add_library(dp_registry_ui STATIC
  src/registry/RegistrySheet.cpp
  src/registry/TfrmClienti.cpp
  src/registry/TfrmFornitori.cpp
)
target_link_libraries(dp_registry_ui PUBLIC depotta_policy dp_ui_base dp_attachments_ui dp_checks_ui
  dp_export_ui dp_printing_ui dp_registry_core dp_search_ui)
target_link_libraries(depotta_ui INTERFACE dp_registry_ui)
