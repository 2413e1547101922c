# Shared helpers for the folder CMake files.

# velmora_library(<target> [DEPS <targets...>] [QT <Qt targets...>])
# One library per folder: every .cpp/.h in the calling folder is its source.
# New files are picked up at build time (CONFIGURE_DEPENDS), so parallel work
# on one folder never has to edit the same list.
function(velmora_library target)
  cmake_parse_arguments(ARG "" "" "DEPS;QT" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER _src INCLUDE REGEX "\\.cpp$")
  if(_src)
    add_library(${target} STATIC)
    target_sources(${target} PRIVATE ${_src})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_QT})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# velmora_test(<name> LIBS <targets...>)
# One test executable per folder of tests/: every *.cpp beside the calling CMakeLists.
function(velmora_test name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT _src)
    return()
  endif()
  add_executable(${name} ${_src})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE VELMORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  # The test framework's header dominates each test file's compile time.
  target_precompile_headers(${name} PRIVATE <gtest/gtest.h> <string> <vector> <memory> <functional>
    <filesystem> <fstream> <sstream>)
  # A test that hangs (a dialog nobody answers) fails after two minutes instead
  # of holding the whole run; the slowest test takes seconds.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endfunction()
