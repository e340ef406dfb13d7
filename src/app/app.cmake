# Login, main menu and password store.

# The help texts, shared by the help viewer and the tool that prints Guida.pdf.
add_library(dp_help_core STATIC src/app/HelpTopics.cpp)
target_link_libraries(dp_help_core PUBLIC depotta_policy Qt6::Core)
target_link_libraries(depotta_core INTERFACE dp_help_core)

add_library(dp_app_core STATIC
  src/app/IniFile.cpp
  src/app/PasswordStore.cpp
)
target_link_libraries(dp_app_core PUBLIC depotta_policy dp_storage Qt6::Core)
target_link_libraries(depotta_core INTERFACE dp_app_core)

add_library(dp_app_ui STATIC
  src/app/AboutScreen.cpp
  src/app/Artwork.cpp
  src/app/Resources.cpp
  src/app/TfrmAvvio.cpp
  src/app/TfrmCambiaPassword.cpp
  src/app/TfrmInfo.cpp
  src/app/TfrmPassword.cpp
  src/app/TfrmSplash.cpp
  resources/resources.qrc
)
target_link_libraries(dp_app_ui PUBLIC depotta_policy dp_ui_base dp_app_core dp_backup_ui
  dp_search_ui)
target_link_libraries(depotta_ui INTERFACE dp_app_ui)

# The start-up table creates every screen, so it alone links all of them.
add_library(dp_startup STATIC src/app/Startup.cpp)
target_link_libraries(dp_startup PUBLIC depotta_policy depotta_ui)
