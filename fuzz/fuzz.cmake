# One libFuzzer target per kind of untrusted input; fuzz/corpus/<name>/ holds its seeds.
function(dp_add_fuzzer name source)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE depotta_policy ${ARGN})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endfunction()

dp_add_fuzzer(fuzz_records fuzz/FuzzRecords.cpp dp_summaries_core)
dp_add_fuzzer(fuzz_ini fuzz/FuzzIni.cpp dp_app_core)
dp_add_fuzzer(fuzz_textvalues fuzz/FuzzTextValues.cpp dp_storage)
dp_add_fuzzer(fuzz_checks fuzz/FuzzChecks.cpp dp_checks_core)
