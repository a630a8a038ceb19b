# GoogleTest for every test directory, native or cross-built, and the one way to register
# a GoogleTest program with CTest.
#
# Natively the installed GoogleTest (libgtest-dev) is used. A cross build cannot link the
# Linux libgtest.a, so GoogleTest is compiled with the cross compiler from the sources in
# /usr/src/googletest (Debian's googletest package, which libgtest-dev depends on). Either way the targets are
# GTest::gtest and GTest::gtest_main.
#
#   lumetra_add_gtest(<target> [LABELS <label>] [ENVIRONMENT <VAR=value>] [FIXTURES <fixture>])
#
# One label, one variable and one fixture that the tests require: gtest_discover_tests
# flattens lists in its PROPERTIES.
#
# Natively every test case becomes its own CTest test (gtest_discover_tests). Cross-built,
# the whole program is one CTest test: each start under Wine costs about a second, and
# discovering the cases would mean one more start at build time.

include(GoogleTest)

if(CMAKE_CROSSCOMPILING)
  set(LUMETRA_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH
      "GoogleTest sources compiled for the cross build")
  if(NOT EXISTS ${LUMETRA_GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources in ${LUMETRA_GTEST_SOURCE_DIR}; install googletest")
  endif()
  if(NOT TARGET GTest::gtest_main)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    # GoogleTest would otherwise switch an MSVC build to the static runtime, unlike the
    # code it links with; mingw builds are not affected.
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    if(EMSCRIPTEN)
      # Threads in WebAssembly need every object built for shared memory; the tests run on
      # one thread.
      set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    endif()
    # SYSTEM: warnings in GoogleTest's headers are not ours to fix, as with the installed
    # copy in /usr/include.
    add_subdirectory(${LUMETRA_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/_deps/googletest
                     EXCLUDE_FROM_ALL SYSTEM)
    # Nor are warnings in its sources: our -Werror must not fail on a newer compiler's
    # opinion of GoogleTest.
    foreach(_gtest_target gtest gtest_main)
      get_target_property(_gtest_options ${_gtest_target} COMPILE_OPTIONS)
      if(_gtest_options)
        list(REMOVE_ITEM _gtest_options -Werror)
        set_target_properties(${_gtest_target} PROPERTIES COMPILE_OPTIONS "${_gtest_options}")
      endif()
    endforeach()
  endif()
else()
  find_package(GTest REQUIRED)
endif()

function(lumetra_add_gtest target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LABELS;ENVIRONMENT;FIXTURES")
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${target} COMMAND ${target})
    if(arg_LABELS)
      set_tests_properties(${target} PROPERTIES LABELS "${arg_LABELS}")
    endif()
    if(arg_ENVIRONMENT)
      set_tests_properties(${target} PROPERTIES ENVIRONMENT "${arg_ENVIRONMENT}")
    endif()
    if(arg_FIXTURES)
      set_tests_properties(${target} PROPERTIES FIXTURES_REQUIRED "${arg_FIXTURES}")
    endif()
  else()
    set(properties "")
    if(arg_LABELS)
      list(APPEND properties LABELS "${arg_LABELS}")
    endif()
    if(arg_ENVIRONMENT)
      list(APPEND properties ENVIRONMENT "${arg_ENVIRONMENT}")
    endif()
    if(arg_FIXTURES)
      list(APPEND properties FIXTURES_REQUIRED "${arg_FIXTURES}")
    endif()
    gtest_discover_tests(${target} PROPERTIES ${properties})
  endif()
endfunction()
