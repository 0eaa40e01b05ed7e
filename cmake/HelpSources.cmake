# The help's host programs, which both trees build (the Windows tree with the
# host compiler): the help compiler, and the generator of the help's unit
# lists, which reads the catalogue.
set(UNITORA_HELP_COMPILER_SOURCES
  tools/help/BTree.cpp
  tools/help/HelpFileSystem.cpp
  tools/help/HelpSource.cpp
  tools/help/HtmlPage.cpp
  tools/help/ShiftJis.cpp
  tools/help/TopicStream.cpp
  tools/help/TopicText.cpp
  tools/help/WinHelpFile.cpp
  tools/Utf8Text.cpp)
set(UNITORA_HELP_UNITS_SOURCES
  tools/help/UnitListSource.cpp
  tools/Utf8Text.cpp)
set(UNITORA_HELP_INCLUDE_DIRECTORIES tools/help tools)

# Generates the unit lists, then compiles the written help text and the
# unit lists into unitora.hlp and unitora.html at the top of the build tree,
# next to the program. compiler and units name the two programs: a target
# of this tree or a file that a custom command builds; either way the help
# is made again when they change.
function(unitora_add_help compiler units)
  set(_lists ${CMAKE_BINARY_DIR}/help/unit-lists.txt)
  set(_source ${CMAKE_SOURCE_DIR}/docs/help/unitora-help.txt)
  set(_outputs ${CMAKE_BINARY_DIR}/unitora.hlp ${CMAKE_BINARY_DIR}/unitora.html)
  add_custom_command(
    OUTPUT ${_lists}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/help
    COMMAND ${units} ${_lists}
    DEPENDS ${units}
    COMMENT "Writing the help's unit lists from the catalogue"
    VERBATIM)
  add_custom_command(
    OUTPUT ${_outputs}
    COMMAND ${compiler} ${_outputs} ${_source} ${_lists}
    DEPENDS ${compiler} ${_source} ${_lists}
    COMMENT "Compiling the help: unitora.hlp and unitora.html"
    VERBATIM)
  add_custom_target(unitora-help ALL DEPENDS ${_outputs})
endfunction()
