# Adds every direct subfolder of DIR that has a CMakeLists.txt. Targets may refer to
# libraries of folders added later: CMake resolves target names when it generates.
function(add_subfolders dir)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}/${dir}
       ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/${child}/CMakeLists.txt)
      add_subdirectory(${dir}/${child})
    endif()
  endforeach()
endfunction()

# A GoogleTest executable for the tests of one subsystem, run by ctest with Qt offscreen.
function(add_babyname_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  # gtest_main only supplies main() to suites that do not define their own (Qt suites do).
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  # Where the suites find the sources and what the build made (the program, the tools and
  # config/tarnwick.dat).
  target_compile_definitions(${name} PRIVATE BABYNAME_BUILD_DIR="${CMAKE_BINARY_DIR}"
                             BABYNAME_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endfunction()
