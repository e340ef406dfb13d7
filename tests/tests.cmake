# dp_add_test(<name> <sources...> LIBS <libs...>)
# Every test runs through CTest on the offscreen platform, with a point-decimal C locale
# so that nothing can lean on the system's number format.
add_library(dp_testsupport STATIC tests/support/FakePlatform.cpp tests/support/Modal.cpp
  tests/support/PdfText.cpp tests/support/SmallDisk.cpp tests/support/TestUtil.cpp)
target_link_libraries(dp_testsupport PUBLIC depotta_policy dp_ui_base Qt6::Test)
target_include_directories(dp_testsupport PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/tests)

function(dp_add_test name)
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  add_executable(${name} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE depotta_policy dp_testsupport Qt6::Test ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=en_US.UTF-8"
    TIMEOUT 120)
endfunction()

include(tests/storage/tests.cmake)
include(tests/concurrency/tests.cmake)
include(tests/ui/tests.cmake)
include(tests/app/tests.cmake)
include(tests/checks/tests.cmake)
include(tests/report/tests.cmake)
include(tests/printing/tests.cmake)
include(tests/warehouse/tests.cmake)
include(tests/summaries/tests.cmake)
include(tests/registry/tests.cmake)
include(tests/export/tests.cmake)
include(tests/attachments/tests.cmake)
include(tests/search/tests.cmake)
include(tests/backup/tests.cmake)
