# Programs that the Windows tree runs while it builds (the help compiler and
# the unit-list generator), compiled for the build machine with its own
# compiler by a custom command, since this tree's compiler makes Windows
# programs. They are built as the native tree builds them, from the same
# sources.
find_program(UNITORA_HOST_CXX NAMES c++ g++ REQUIRED)
file(GLOB UNITORA_HOST_HEADERS CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/core/*.h ${CMAKE_SOURCE_DIR}/catalogue/*.h
  ${CMAKE_SOURCE_DIR}/tools/*.h ${CMAKE_SOURCE_DIR}/tools/help/*.h)

# unitora_add_host_program(<name> <source>...): builds host/<name> in the
# build tree; sources relative to the source tree or absolute.
function(unitora_add_host_program name)
  set(_program ${CMAKE_BINARY_DIR}/host/${name})
  set(_sources "")
  foreach(_source IN LISTS ARGN)
    cmake_path(ABSOLUTE_PATH _source BASE_DIRECTORY ${CMAKE_SOURCE_DIR})
    list(APPEND _sources ${_source})
  endforeach()
  set(_includes "")
  foreach(_directory IN ITEMS core catalogue ${UNITORA_HELP_INCLUDE_DIRECTORIES})
    list(APPEND _includes -I${CMAKE_SOURCE_DIR}/${_directory})
  endforeach()
  add_custom_command(
    OUTPUT ${_program}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
    COMMAND ${UNITORA_HOST_CXX} -std=c++20 -O1 ${_includes} ${_sources} -o ${_program}
    DEPENDS ${_sources} ${UNITORA_HOST_HEADERS}
    COMMENT "Building ${name} for the build machine"
    VERBATIM)
endfunction()
