# Native tree: developer tool, native tests, fuzzer and benchmarks.
find_package(GTest REQUIRED)

add_executable(unitora-pages tools/unitora-pages.cpp tools/Utf8Text.cpp)
target_include_directories(unitora-pages PRIVATE tools)
target_link_libraries(unitora-pages PRIVATE unitora_catalogue)

include(cmake/PortableTests.cmake)
target_link_libraries(unitora-portable-tests PRIVATE GTest::gtest_main)
gtest_discover_tests(unitora-portable-tests DISCOVERY_MODE PRE_TEST)

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
