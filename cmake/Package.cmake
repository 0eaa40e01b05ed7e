# The release: "cmake --build build/windows --target package" writes
# unitora-<version>-win64.zip at the top of the build tree, holding
# unitora.exe, its help (unitora.hlp, unitora.html), LICENSE and README.txt,
# with no folder of its own, to be unpacked anywhere. The version in its name
# is the project's version as the about box shows it: 1.7.1.1 is "1.71".
# The installer for the same files is written beside it (see below).
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
# Beside the archive, the installer, unitora-<version>-win64.msi, made by
# cmake/Installer.cmake from the archive's staged files. Its upgrade code is
# fixed for good: every version of the installer has it, so that a newer one
# replaces an older one.
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/Installer.cmake)
set(CPACK_UNITORA_INSTALLER_SOURCE ${CMAKE_SOURCE_DIR}/resources/unitora.wxs)
set(CPACK_UNITORA_INSTALLER_ICON ${CMAKE_SOURCE_DIR}/resources/icons/program.ico)
set(CPACK_UNITORA_UPGRADE_CODE ef4a2251-8413-4a7f-821c-ccdfbfb8f30d)
set(UNITORA_PACKAGE_NAME unitora-${UNITORA_DISPLAY_VERSION}-win64)
set(CPACK_PACKAGE_FILE_NAME ${UNITORA_PACKAGE_NAME})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)

# The archive and the installer are made and the archive's contents checked
# with the tests, so that the release command keeps working; the installer's
# test (tests/windows/installer) takes the installer from here.
add_test(NAME unitora-package
  COMMAND ${CMAKE_COMMAND} -DCPACK=${CMAKE_CPACK_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
          -DARCHIVE=${UNITORA_PACKAGE_NAME}.zip
          -P ${CMAKE_SOURCE_DIR}/cmake/CheckPackage.cmake)
set_tests_properties(unitora-package PROPERTIES FIXTURES_SETUP release-package)
