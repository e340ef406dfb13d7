dp_add_test(test_passwordstore tests/app/TestPasswordStore.cpp LIBS dp_app_core)
target_compile_definitions(test_passwordstore PRIVATE DP_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
dp_add_test(test_appscreens tests/app/TestAppScreens.cpp LIBS dp_app_ui)
