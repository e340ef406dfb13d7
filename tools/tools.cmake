# Tools built with the program that make what the installation delivers beside it: the
# printed guide from the help texts, and the desktop icons from the program's own mark.
add_executable(depotta_guida tools/MakeGuida.cpp)
target_link_libraries(depotta_guida PRIVATE depotta_policy dp_help_core dp_app_ui)
add_executable(depotta_icons tools/MakeIcons.cpp)
target_link_libraries(depotta_icons PRIVATE depotta_policy dp_app_ui)

set(DEPOTTA_GUIDE ${CMAKE_BINARY_DIR}/Guida.pdf)
add_custom_command(OUTPUT ${DEPOTTA_GUIDE}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:depotta_guida> ${DEPOTTA_GUIDE}
  DEPENDS depotta_guida
  COMMENT "Writing Guida.pdf from the help texts")
add_custom_target(guida ALL DEPENDS ${DEPOTTA_GUIDE})

set(DEPOTTA_SVG_ICON ${CMAKE_BINARY_DIR}/icons/hicolor/scalable/apps/depotta.svg)
add_custom_command(OUTPUT ${DEPOTTA_SVG_ICON}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:depotta_icons> ${CMAKE_BINARY_DIR}/icons
  DEPENDS depotta_icons
  COMMENT "Writing the desktop icons")
add_custom_target(icons ALL DEPENDS ${DEPOTTA_SVG_ICON})
