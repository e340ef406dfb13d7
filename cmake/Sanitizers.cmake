# Instrumented builds, each in its own build folder (.ci/run):
#   DEPOTTA_SANITIZE  the whole program and test suite under AddressSanitizer and
#                     UndefinedBehaviorSanitizer
#   DEPOTTA_FUZZ      clang only: the libraries instrumented for libFuzzer (plus both
#                     sanitizers) and the fuzzing targets of fuzz/
option(DEPOTTA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(DEPOTTA_FUZZ "Build the libFuzzer targets (clang)" OFF)

if(DEPOTTA_SANITIZE OR DEPOTTA_FUZZ)
  set(dp_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer)
  target_compile_options(depotta_policy INTERFACE ${dp_sanitizers})
  # GCC's flow analysis gives false "may be used uninitialized" warnings on sanitized code
  # (member-pointer captures in lambdas, for one); they would stop a -Werror build.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(depotta_policy INTERFACE -Wno-maybe-uninitialized)
  endif()
  target_link_options(depotta_policy INTERFACE -fsanitize=address,undefined)
endif()
if(DEPOTTA_FUZZ)
  target_compile_options(depotta_policy INTERFACE -fsanitize=fuzzer-no-link)
endif()
