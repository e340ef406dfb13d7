# Product sheet and stock movements.
add_library(dp_warehouse_core STATIC
  src/warehouse/StockCheck.cpp
  src/warehouse/StockRules.cpp
)
target_link_libraries(dp_warehouse_core PUBLIC depotta_policy dp_storage Qt6::Core)
target_link_libraries(depotta_core INTERFACE dp_warehouse_core)

add_library(dp_warehouse_ui STATIC
  src/warehouse/TfrmGiacenza.cpp
  src/warehouse/TfrmIstruzioni.cpp
  src/warehouse/TfrmMagazzino.cpp
  src/warehouse/TfrmVerificaGiacenze.cpp
)
target_link_libraries(dp_warehouse_ui PUBLIC
  depotta_policy dp_ui_base dp_attachments_ui dp_export_ui dp_printing_ui dp_warehouse_core
  dp_search_ui)
target_link_libraries(depotta_ui INTERFACE dp_warehouse_ui)
