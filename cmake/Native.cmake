# Native tree: developer tool, native tests, fuzzer and benchmarks.
find_package(GTest REQUIRED)

add_executable(unitora-pages tools/unitora-pages.cpp tools/Utf8Text.cpp)
target_include_directories(unitora-pages PRIVATE tools)
target_link_libraries(unitora-pages PRIVATE unitora_catalogue)

# The help: its compiler and unit-list generator, the help files they make,
# and the compiler's tests.
add_library(unitora_help_compiler STATIC ${UNITORA_HELP_COMPILER_SOURCES})
target_include_directories(unitora_help_compiler PUBLIC ${UNITORA_HELP_INCLUDE_DIRECTORIES})
add_executable(unitora-helpc tools/help/unitora-helpc.cpp)
target_link_libraries(unitora-helpc PRIVATE unitora_help_compiler)
add_executable(unitora-help-units tools/help/unitora-help-units.cpp ${UNITORA_HELP_UNITS_SOURCES})
target_include_directories(unitora-help-units PRIVATE ${UNITORA_HELP_INCLUDE_DIRECTORIES})
target_link_libraries(unitora-help-units PRIVATE unitora_catalogue)
unitora_add_help(unitora-helpc unitora-help-units)

include(cmake/PortableTests.cmake)
target_link_libraries(unitora-portable-tests PRIVATE GTest::gtest_main)
gtest_discover_tests(unitora-portable-tests DISCOVERY_MODE PRE_TEST)
add_subdirectory(tests/help)

# Every catalogue factor against GNU units, a Linux program: native only.
add_executable(unitora-units-tests tests/units/CatalogueUnitsTest.cpp tests/units/GnuUnits.cpp
  tests/units/ReferenceUnits.cpp tools/Utf8Text.cpp)
target_include_directories(unitora-units-tests PRIVATE tools)
target_link_libraries(unitora-units-tests PRIVATE unitora_catalogue GTest::gtest_main)
gtest_discover_tests(unitora-units-tests DISCOVERY_MODE PRE_TEST)

add_test(NAME unitora-pages-protocol
  COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:unitora-pages>
          -DCASES=${CMAKE_SOURCE_DIR}/tests/native/pages
          -P ${CMAKE_SOURCE_DIR}/cmake/CompareToolOutput.cmake)

include(cmake/Fuzz.cmake)

find_package(benchmark QUIET)
if(benchmark_FOUND)
  add_executable(unitora-bench tests/bench/ConversionBench.cpp)
  target_link_libraries(unitora-bench PRIVATE unitora_catalogue benchmark::benchmark)
endif()
