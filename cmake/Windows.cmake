# Windows tree: the program and every test suite, cross-compiled with
# cmake/mingw-w64-x86_64.cmake and run under Wine through CTest.
enable_language(RC)

# Test programs start through the Wine wrapper, in a prefix of this tree.
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh --prefix ${CMAKE_BINARY_DIR}/wine-prefix)

# GoogleTest from Debian's sources, built with this toolchain; it provides
# the same GTest:: names as the native tree's package. SYSTEM keeps its
# headers out of our warning flags.
set(BUILD_GMOCK OFF)
set(INSTALL_GTEST OFF)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# Registers a test program as a single CTest entry: a Wine process start
# costs about a second, so each program runs all of its cases in one go.
# The lock keeps Wine tests from running side by side on the one Wine
# desktop, where they would take focus and activation from each other.
function(unitora_add_wine_test target)
  add_test(NAME ${target} COMMAND ${target})
  set_tests_properties(${target} PROPERTIES RESOURCE_LOCK wine-desktop TIMEOUT 600)
endfunction()

include(cmake/PortableTests.cmake)
target_link_libraries(unitora-portable-tests PRIVATE GTest::gtest_main)
unitora_add_wine_test(unitora-portable-tests)

# Framework, controls, pages, shell and the program, with their test
# programs, each registered through unitora_add_wine_test().
add_subdirectory(framework)
add_subdirectory(tests/windows/support)
add_subdirectory(tests/windows/framework)
add_subdirectory(resources)
add_subdirectory(controls)
add_subdirectory(pages)
add_subdirectory(shell)
add_subdirectory(tests/windows/shell)
add_subdirectory(tests/windows/controls)
add_subdirectory(tests/windows/pages)

# The help next to the program, made by the help's host programs.
include(cmake/SourcePaths.cmake)
include(cmake/HostPrograms.cmake)
unitora_absolute_sources(_catalogue_sources unitora_core unitora_catalogue)
unitora_add_host_program(unitora-helpc tools/help/unitora-helpc.cpp ${UNITORA_HELP_COMPILER_SOURCES})
unitora_add_host_program(unitora-help-units tools/help/unitora-help-units.cpp ${UNITORA_HELP_UNITS_SOURCES}
                         ${_catalogue_sources})
unitora_add_help(${CMAKE_BINARY_DIR}/host/unitora-helpc ${CMAKE_BINARY_DIR}/host/unitora-help-units)
add_subdirectory(tests/windows/help)

include(cmake/Package.cmake)
add_subdirectory(tests/windows/installer)

# The start-up benchmark's baseline (scripts/bench-startup.sh), a bare
# dialog program started like unitora.exe and built beside it.
add_executable(minimal-dialog WIN32 tests/bench/MinimalDialog.cpp tests/bench/MinimalDialog.rc)
target_link_options(minimal-dialog PRIVATE -municode)
set_target_properties(minimal-dialog PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The screenshot mode's remote control (scripts/run.sh), built beside the program.
add_executable(unitora-remote tools/unitora-remote.cpp)
target_include_directories(unitora-remote PRIVATE resources)
target_link_libraries(unitora-remote PRIVATE unitora_catalogue user32 shell32)
set_target_properties(unitora-remote PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
