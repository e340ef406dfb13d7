dp_add_test(test_registry tests/registry/TestRegistry.cpp LIBS dp_registry_ui)
