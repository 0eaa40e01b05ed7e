# unitora_absolute_sources(<variable> <target>...): the sources of the
# targets as absolute paths, for compilers that CMake does not drive.
function(unitora_absolute_sources variable)
  set(_sources "")
  foreach(_target IN LISTS ARGN)
    get_target_property(_target_sources ${_target} SOURCES)
    get_target_property(_target_dir ${_target} SOURCE_DIR)
    foreach(_source IN LISTS _target_sources)
      cmake_path(ABSOLUTE_PATH _source BASE_DIRECTORY ${_target_dir})
      list(APPEND _sources ${_source})
    endforeach()
  endforeach()
  set(${variable} ${_sources} PARENT_SCOPE)
endfunction()
