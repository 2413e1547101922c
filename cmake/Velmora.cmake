# Shared helpers for the folder CMake files.

# velmora_library(<target> [DEPS <targets...>] [QT <Qt targets...>] SOURCES <files...>)
# One library per folder, its sources listed: a missing or misspelt file fails the
# configure instead of silently leaving the library short.
function(velmora_library target)
  cmake_parse_arguments(ARG "" "" "DEPS;QT;SOURCES" ${ARGN})
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_QT})
endfunction()

# velmora_test(<name> LIBS <targets...> [PICTURES <tests...>] [BY_HAND <tests...>] [READERS <tests...>]
#              SOURCES <files...>)
# One test executable per folder of tests/. Includes are written from the project's
# root ("tests/support/TempFolder.h"), so a test helper never passes for a source file.
# PICTURES ("Suite.Name") only write pictures for a person to look at, into the folder
# VELMORA_SCREENSHOTS names; BY_HAND wait for a person at a real display. They assert
# nothing, so they carry the labels "picture" and "by-hand", which tools/test leaves out.
# READERS open our files in another program (the office suite) and carry the label
# "reader"; they may take longer.
function(velmora_test name)
  cmake_parse_arguments(ARG "" "" "LIBS;PICTURES;BY_HAND;READERS;SOURCES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE VELMORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  # The test framework's header dominates each test file's compile time.
  target_precompile_headers(${name} PRIVATE <gtest/gtest.h> <string> <vector> <memory> <functional>
    <filesystem> <fstream> <sstream>)
  # A test that hangs (a dialog nobody answers) fails after two minutes instead
  # of holding the whole run; the slowest test takes seconds.
  set(offscreen ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
  set(apart ${ARG_PICTURES} ${ARG_BY_HAND} ${ARG_READERS})
  list(JOIN apart ":" apart)
  if(apart)
    set(apart "-${apart}")
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 TEST_FILTER "${apart}" TEST_LIST ${name}_checks
    PROPERTIES ${offscreen})
  if(ARG_PICTURES)
    list(JOIN ARG_PICTURES ":" pictures)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 TEST_FILTER "${pictures}" TEST_LIST ${name}_pictures
      PROPERTIES ${offscreen} LABELS picture)
  endif()
  # The office suite's first start on a fresh profile of a slow machine takes a while;
  # each of its runs stops itself after 90 seconds, a test makes at most two.
  if(ARG_READERS)
    list(JOIN ARG_READERS ":" readers)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 TEST_FILTER "${readers}" TEST_LIST ${name}_readers
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300 LABELS reader)
  endif()
  # A person takes the time they need, on the display they sit at.
  if(ARG_BY_HAND)
    list(JOIN ARG_BY_HAND ":" by_hand)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 TEST_FILTER "${by_hand}" TEST_LIST ${name}_by_hand
      PROPERTIES TIMEOUT 3600 LABELS by-hand)
  endif()
endfunction()
