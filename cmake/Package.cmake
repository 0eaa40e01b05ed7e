# The release: "cmake --build build/windows --target package" writes
# unitora-<version>-win64.zip at the top of the build tree, holding
# unitora.exe, its help (unitora.hlp, unitora.html), LICENSE and README.txt,
# with no folder of its own, to be unpacked anywhere. The version in its name
# is the project's version as the about box shows it: 1.7.1.1 is "1.71".
set(UNITORA_DISPLAY_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}${PROJECT_VERSION_PATCH}")
configure_file(docs/release/README.txt.in README.txt @ONLY NEWLINE_STYLE WIN32)

install(TARGETS unitora RUNTIME DESTINATION .)
install(FILES
  ${CMAKE_BINARY_DIR}/unitora.hlp
  ${CMAKE_BINARY_DIR}/unitora.html
  ${CMAKE_SOURCE_DIR}/LICENSE
  ${CMAKE_BINARY_DIR}/README.txt
  DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(UNITORA_PACKAGE_NAME unitora-${UNITORA_DISPLAY_VERSION}-win64)
set(CPACK_PACKAGE_FILE_NAME ${UNITORA_PACKAGE_NAME})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)

# The archive is made and its contents checked with the tests, so that the
# release command keeps working.
add_test(NAME unitora-package
  COMMAND ${CMAKE_COMMAND} -DCPACK=${CMAKE_CPACK_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
          -DARCHIVE=${UNITORA_PACKAGE_NAME}.zip
          -P ${CMAKE_SOURCE_DIR}/cmake/CheckPackage.cmake)
