# Product photos (the attachment screens come later).
add_library(dp_attachments_core STATIC
  src/attachments/PhotoStore.cpp
)
target_link_libraries(dp_attachments_core PUBLIC depotta_policy Qt6::Core Qt6::Gui)
target_link_libraries(depotta_core INTERFACE dp_attachments_core)

add_library(dp_attachments_ui STATIC
  src/attachments/PhotoBox.cpp
)
target_link_libraries(dp_attachments_ui PUBLIC depotta_policy dp_ui_base dp_attachments_core)
target_link_libraries(depotta_ui INTERFACE dp_attachments_ui)
