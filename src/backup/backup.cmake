# Backup and restore of the program directory's data: pure rules over libzip, no widgets.
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBZIP REQUIRED IMPORTED_TARGET libzip)
add_library(dp_backup_core STATIC
  src/backup/Backup.cpp
)
target_link_libraries(dp_backup_core PUBLIC depotta_policy dp_storage Qt6::Core PRIVATE PkgConfig::LIBZIP)
target_link_libraries(depotta_core INTERFACE dp_backup_core)

add_library(dp_backup_ui STATIC
  src/backup/TfrmCopiaSicurezza.cpp
)
target_link_libraries(dp_backup_ui PUBLIC depotta_policy dp_ui_base dp_backup_core)
target_link_libraries(depotta_ui INTERFACE dp_backup_ui)
