dp_add_test(test_passwordstore tests/app/TestPasswordStore.cpp LIBS dp_app_core)
target_compile_definitions(test_passwordstore PRIVATE DP_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
dp_add_test(test_appscreens tests/app/TestAppScreens.cpp LIBS dp_app_ui)
dp_add_test(test_help tests/app/TestHelp.cpp
  LIBS dp_app_ui dp_warehouse_ui dp_registry_ui dp_summaries_ui dp_search_ui dp_backup_ui)
target_compile_definitions(test_help PRIVATE DP_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
  DP_GUIDE_PDF="${DEPOTTA_GUIDE}")
add_dependencies(test_help guida)
dp_add_test(test_passwordchange tests/app/TestPasswordChange.cpp LIBS dp_app_ui)
dp_add_test(test_about tests/app/TestAbout.cpp LIBS dp_app_ui)
add_test(NAME test_install COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/test_install.sh
  ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR})
set_tests_properties(test_install PROPERTIES TIMEOUT 120)
dp_add_test(test_reminders tests/app/TestReminders.cpp
  LIBS dp_app_ui dp_warehouse_ui dp_registry_ui)
dp_add_test(test_startup tests/app/TestStartup.cpp LIBS dp_startup)
