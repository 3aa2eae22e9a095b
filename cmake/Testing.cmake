# GoogleTest for both builds, and the helper that declares a unit-test program.
# Natively the system's GTest is used; for Windows it is compiled from the Debian sources.
if(VELORANTH_FUZZ)
  return()
endif()

if(WIN32)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Third-party code: keep our warning policy away from it.
  target_compile_options(gtest PRIVATE -w)
  target_compile_options(gtest_main PRIVATE -w)
  set(VELORANTH_GTEST gtest gtest_main)
  # Wine on an offline machine: no Mono/Gecko prompts, a prefix of our own in the build tree.
  set(VELORANTH_TEST_ENV
      "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix"
      "WINEDEBUG=-all"
      "WINEDLLOVERRIDES=mscoree,mshtml=")
else()
  find_package(GTest REQUIRED)
  set(VELORANTH_GTEST GTest::gtest GTest::gtest_main)
  set(VELORANTH_TEST_ENV "")
endif()

# veloranth_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One test program = one ctest entry; it runs in its own source folder so that
# golden files are found by relative path, in both builds.
function(veloranth_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} ${VELORANTH_GTEST})
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
  if(VELORANTH_TEST_ENV)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${VELORANTH_TEST_ENV}")
  endif()
endfunction()

# veloranth_window_test(<name> <screen> [command prefix...] wine <test program> [arguments])
# A test program that drives the real programs under Wine on a virtual display of that size.
function(veloranth_window_test name screen)
  add_test(NAME ${name}
           COMMAND ${PROJECT_SOURCE_DIR}/tools/run-on-display.sh ${screen} ${CMAKE_BINARY_DIR}
                   ${ARGN})
  # One display at a time: the Wine server is restarted for each. Pages opened reach a
  # recording xdg-open.
  set_tests_properties(${name} PROPERTIES RUN_SERIAL TRUE TIMEOUT 900
    ENVIRONMENT "VELORANTH_XDG_OPEN_RECORD=${CMAKE_BINARY_DIR}/test-runs/xdg-open.txt"
    ENVIRONMENT_MODIFICATION "PATH=path_list_prepend:${PROJECT_SOURCE_DIR}/testsupport/win")
endfunction()
