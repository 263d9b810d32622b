# Adds the named subfolders of DIR, in the order given. Folders are listed rather than
# globbed, so that a folder left half-made on disk never joins the build by itself and the
# top-level file shows the whole layout. Targets may refer to libraries of folders added
# later: CMake resolves target names when it generates.
function(add_subfolders dir)
  foreach(child IN LISTS ARGN)
    if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/${child}/CMakeLists.txt)
      message(FATAL_ERROR "${dir}/${child} is listed but has no CMakeLists.txt")
    endif()
    add_subdirectory(${dir}/${child})
  endforeach()
endfunction()

# A GoogleTest executable for the tests of one subsystem, run by ctest with Qt offscreen.
# Its tests carry the folder's name as their label: ctest -L naming.
function(add_babyname_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  # gtest_main only supplies main() to suites that do not define their own (Qt suites do).
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS ${folder})
  # Where the suites find the sources and what the build made (the program, the tools and
  # config/tarnwick.dat).
  target_compile_definitions(${name} PRIVATE BABYNAME_BUILD_DIR="${CMAKE_BINARY_DIR}"
                             BABYNAME_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endfunction()
