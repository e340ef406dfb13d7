dp_add_test(test_storage tests/storage/TestStorage.cpp LIBS dp_storage)
dp_add_test(test_textvalues tests/storage/TestTextValues.cpp LIBS dp_storage)
