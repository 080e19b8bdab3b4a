# talvero_add_test(NAME SOURCES file... LIBS lib...)
# One GoogleTest program per folder of tests/; every test case becomes a ctest entry.
# GUI tests run offscreen; every test gets a private scratch folder in TALVERO_TEST_TMP.
function(talvero_add_test name)
  if(NOT TALVERO_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} talvero_testsupport GTest::gtest GTest::gmock)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TALVERO_BIN_DIR=${CMAKE_BINARY_DIR}/bin;ASAN_OPTIONS=detect_leaks=0;${T_ENV}"
               TIMEOUT 300)
endfunction()
