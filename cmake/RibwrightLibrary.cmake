# One static library per folder under src/: every .cpp in the folder belongs to it.
function(ribwright_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${sources} ${headers})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

# One GoogleTest program per folder under tests/: every .cpp in the folder belongs to it.
# Test discovery runs before the tests, not at build time, so no display is needed to build.
function(ribwright_test_folder name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} ribwright_test_support GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    RIBWRIGHT_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
    RIBWRIGHT_BIN_DIR="${RIBWRIGHT_BIN_DIR}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS unit)
endfunction()
