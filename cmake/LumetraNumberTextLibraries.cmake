# fmt and fast_float, which write and read the numbers' texts with the same digits on every
# platform. Both are used header-only, from Debian's libfmt-dev and libfast-float-dev.
#
# The cross compilers do not search /usr/include (emscripten has a sysroot of its own,
# mingw-w64 its own headers), and putting it on their path would bring glibc's headers in
# with these. So the build folder holds links to just the two libraries' folders, and every
# build, native or cross, takes them from there: the one target lumetra_number_text_libraries.

set(LUMETRA_NUMBER_TEXT_HEADERS /usr/include CACHE PATH
    "The folder that holds fmt/ (libfmt-dev) and fast_float/ (libfast-float-dev)")

set(_links ${CMAKE_BINARY_DIR}/_deps/number-text/include)
file(MAKE_DIRECTORY ${_links})
foreach(_library fmt fast_float)
  if(NOT IS_DIRECTORY ${LUMETRA_NUMBER_TEXT_HEADERS}/${_library})
    message(FATAL_ERROR "No ${_library} headers in ${LUMETRA_NUMBER_TEXT_HEADERS}; "
                        "install libfmt-dev and libfast-float-dev (bash scripts/install-deps.sh)")
  endif()
  file(REMOVE ${_links}/${_library})
  file(CREATE_LINK ${LUMETRA_NUMBER_TEXT_HEADERS}/${_library} ${_links}/${_library} SYMBOLIC)
endforeach()

add_library(lumetra_number_text_libraries INTERFACE)
# SYSTEM: their headers' warnings are not ours to fix under -Werror.
target_include_directories(lumetra_number_text_libraries SYSTEM INTERFACE ${_links})
# fmt's formatting compiled into the one file that uses it, with no libfmt to link. The texts
# never follow a locale, so fmt takes none: a fixed group separator, never used, keeps
# std::locale out, which would more than double fmt's share of the WebAssembly.
target_compile_definitions(lumetra_number_text_libraries INTERFACE FMT_HEADER_ONLY
                           "FMT_STATIC_THOUSANDS_SEPARATOR=','")
