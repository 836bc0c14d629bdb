# Small helpers shared by the folders' CMake lists.

# Adds a folder that may not exist yet in every checkout of the tree.
function(vell_add_subdirectory_if_present dir)
  if(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt")
    add_subdirectory(${dir})
  endif()
endfunction()

# vell_add_gtest(<name> SOURCES ... [LIBS ...] [LABELS ...])
# One GoogleTest executable; its cases are discovered when ctest runs (not at build
# time), so GUI tests need no display while building.
function(vell_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  find_package(GTest REQUIRED)
  include(GoogleTest)
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
    PROPERTIES LABELS "${ARG_LABELS}")
endfunction()

# vell_add_benchmark(<name> SOURCES ... [LIBS ...])
function(vell_add_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  find_package(benchmark REQUIRED)
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
endfunction()

# vell_add_gui_gtest(<name> SOURCES ... [LIBS ...])
# A GoogleTest executable whose main makes a QApplication (tests/support); its cases
# need an X server and carry the label "gui".
function(vell_add_gui_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  find_package(GTest REQUIRED)
  find_package(Qt6 REQUIRED COMPONENTS Test Widgets)
  include(GoogleTest)
  add_executable(${name} ${ARG_SOURCES} "${PROJECT_SOURCE_DIR}/tests/support/gui_test_main.cpp")
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}")
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Widgets Qt6::Test GTest::gtest GTest::gmock)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 30
    WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
    PROPERTIES LABELS gui)
endfunction()
