# One static library of the listed sources; its headers are found from src/.
function(ribwright_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

# One GoogleTest program per folder under tests/, of the listed sources.
# Test discovery runs before the tests, not at build time, so no display is needed to build.
function(ribwright_test_folder name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} ribwright_test_support GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    RIBWRIGHT_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
    RIBWRIGHT_BIN_DIR="${RIBWRIGHT_BIN_DIR}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS unit)
endfunction()
