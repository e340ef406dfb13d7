# Attached files and product photos: the attachments folder and the photo store
# (dp_attachments_core), the attachment, photo, zoom and camera screens (dp_attachments_ui,
# the only library that links Qt Multimedia).
add_library(dp_attachments_core STATIC
  src/attachments/AttachmentFolder.cpp
  src/attachments/PhotoStore.cpp
)
target_link_libraries(dp_attachments_core PUBLIC depotta_policy dp_storage Qt6::Core Qt6::Gui)
target_link_libraries(depotta_core INTERFACE dp_attachments_core)

add_library(dp_attachments_ui STATIC
  src/attachments/Camera.h
  src/attachments/FrameRelay.cpp
  src/attachments/PhotoActions.cpp
  src/attachments/PhotoBox.cpp
  src/attachments/PhotoFiles.cpp
  src/attachments/QtCamera.cpp
  src/attachments/TfrmAllegaCartella.cpp
  src/attachments/TfrmWebCam.cpp
  src/attachments/TfrmZoom.cpp
)
target_link_libraries(dp_attachments_ui PUBLIC
  depotta_policy dp_ui_base dp_attachments_core Qt6::Multimedia)
target_link_libraries(depotta_ui INTERFACE dp_attachments_ui)
