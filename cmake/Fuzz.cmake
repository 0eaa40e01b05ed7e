# libFuzzer target over the text path. libFuzzer needs clang, while the
# native tree is built with the host g++, so the fuzzer is compiled by a
# custom command from the same portable sources, with address and undefined
# behaviour sanitizers; a CTest entry runs it for a bounded time.
find_program(UNITORA_CLANGXX NAMES clang++ clang++-14)
if(NOT UNITORA_CLANGXX)
  message(STATUS "clang++ not found: the text-path fuzzer is not built")
  return()
endif()

set(UNITORA_FUZZ_SECONDS 30 CACHE STRING "How long the test pass runs the text-path fuzzer")
include(cmake/SourcePaths.cmake)
unitora_absolute_sources(_fuzz_sources unitora_core unitora_catalogue)
list(APPEND _fuzz_sources ${CMAKE_SOURCE_DIR}/tests/fuzz/TextPathFuzzer.cpp)

set(_fuzzer ${CMAKE_BINARY_DIR}/fuzz/unitora-text-fuzzer)
add_custom_command(
  OUTPUT ${_fuzzer}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/fuzz
  COMMAND ${UNITORA_CLANGXX} -std=c++20 -O1 -g
          -fsanitize=fuzzer,address,undefined,float-cast-overflow -fno-sanitize-recover=all
          -I${CMAKE_SOURCE_DIR}/core -I${CMAKE_SOURCE_DIR}/catalogue
          ${_fuzz_sources} -o ${_fuzzer}
  DEPENDS ${_fuzz_sources}
  COMMENT "Building the text-path fuzzer with clang"
  VERBATIM)
add_custom_target(text-fuzzer ALL DEPENDS ${_fuzzer})

add_test(NAME unitora-text-fuzzer
  COMMAND ${_fuzzer} -max_total_time=${UNITORA_FUZZ_SECONDS} -max_len=4096
          -print_final_stats=1 ${CMAKE_BINARY_DIR}/fuzz-corpus ${CMAKE_SOURCE_DIR}/tests/fuzz/seeds)
set_tests_properties(unitora-text-fuzzer PROPERTIES
  TIMEOUT 300
  FIXTURES_REQUIRED unitora-fuzz-corpus)
add_test(NAME unitora-text-fuzzer-corpus
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/fuzz-corpus)
set_tests_properties(unitora-text-fuzzer-corpus PROPERTIES FIXTURES_SETUP unitora-fuzz-corpus)
