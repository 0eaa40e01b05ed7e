# The portable suites, built in both trees so that any difference between
# the C runtimes shows up.
file(GLOB UNITORA_PORTABLE_TEST_SOURCES CONFIGURE_DEPENDS tests/native/*.cpp)
add_executable(unitora-portable-tests ${UNITORA_PORTABLE_TEST_SOURCES})
target_link_libraries(unitora-portable-tests PRIVATE unitora_catalogue unitora_appmodel)
include(GoogleTest)
