# Makes the release archive in BUILD_DIR with CPACK and checks that ARCHIVE
# holds exactly the program, its help, the licence and the README.
execute_process(COMMAND "${CPACK}" --config CPackConfig.cmake
                WORKING_DIRECTORY "${BUILD_DIR}" RESULT_VARIABLE _status OUTPUT_VARIABLE _output ERROR_VARIABLE _output)
if(NOT _status EQUAL 0)
  message(FATAL_ERROR "cpack failed:\n${_output}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E tar tf "${ARCHIVE}"
                WORKING_DIRECTORY "${BUILD_DIR}" RESULT_VARIABLE _status OUTPUT_VARIABLE _listing)
if(NOT _status EQUAL 0)
  message(FATAL_ERROR "cannot list ${ARCHIVE}")
endif()
string(REGEX REPLACE "\n$" "" _listing "${_listing}")
string(REPLACE "\n" ";" _files "${_listing}")
list(SORT _files)
set(_expected LICENSE README.txt unitora.exe unitora.hlp unitora.html)
if(NOT _files STREQUAL _expected)
  message(FATAL_ERROR "${ARCHIVE} holds ${_files}, expected ${_expected}")
endif()
