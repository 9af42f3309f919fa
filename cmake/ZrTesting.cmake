# Helpers that give every test the same environment: offscreen Qt, a private runtime
# folder and a per-build home so that the per-user settings store never touches the
# real user's files.
set(ZR_TEST_HOME ${CMAKE_BINARY_DIR}/test-home)
file(MAKE_DIRECTORY ${ZR_TEST_HOME}/.config ${CMAKE_BINARY_DIR}/test-runtime)
file(CHMOD ${CMAKE_BINARY_DIR}/test-runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(ZR_TEST_ENV
    "QT_QPA_PLATFORM=offscreen"
    "XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/test-runtime"
    "HOME=${ZR_TEST_HOME}"
    "XDG_CONFIG_HOME=${ZR_TEST_HOME}/.config"
    "ZR_RESOURCES_DIR=${CMAKE_SOURCE_DIR}/resources"
    "ASAN_OPTIONS=detect_leaks=0"
    "UBSAN_OPTIONS=print_stacktrace=1")

# zr_add_gtest(<name> SOURCES <files...> LIBS <targets...>). The test environment is compiled
# into the program's main (tests/support/GTestMain.cpp), so each discovered test gets it.
string(REPLACE ";" "|" ZR_TEST_ENV_TEXT "${ZR_TEST_ENV}")
function(zr_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/GTestMain.cpp)
  target_compile_definitions(${name} PRIVATE ZR_TEST_ENV="${ZR_TEST_ENV_TEXT}")
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest Qt6::Core)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 DISCOVERY_MODE PRE_TEST)
endfunction()

# zr_add_qtest(<name> SOURCES <files...> LIBS <targets...>): one Qt Test program, one CTest entry.
function(zr_add_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ZR_TEST_ENV}" TIMEOUT 300)
endfunction()
