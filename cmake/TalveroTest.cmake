# talvero_add_test(NAME [TIMING] SOURCES file... LIBS lib...)
# One GoogleTest program per folder of tests/; every test case becomes a ctest entry.
# TIMING marks tests that keep real-time deadlines (port sampling and replay at real-time priority,
# live line audio): they share one resource lock, so that two of them never run side by side and
# starve each other on a two-core machine, while other tests still run beside them.
# The shared test main (tests/support/TestMain.cpp) sets the environment every test expects:
# offscreen Qt, TALVERO_BIN_DIR and the sanitizer options.
function(talvero_add_test name)
  if(NOT TALVERO_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "TIMING" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} talvero_testsupport GTest::gtest GTest::gmock)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  set(lock)
  if(T_TIMING)
    set(lock RESOURCE_LOCK timing)
  endif()
  # gtest_discover_tests of CMake 3.25 splits a list-valued ENVIRONMENT, so only one entry goes here.
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300 ${lock})
endfunction()
