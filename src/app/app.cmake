add_library(dp_app_ui STATIC
  src/app/Startup.cpp
)
target_link_libraries(dp_app_ui PUBLIC depotta_policy dp_ui_base)
target_link_libraries(depotta_ui INTERFACE dp_app_ui)
