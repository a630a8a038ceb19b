# Writes LICENSES.txt for a built program: Lumetra's licence, then the notice of everything
# else built into it, each the copyright file that Debian ships with the package the code came
# from. What is built in is read from the link, not kept by hand: each file the linker took
# (its map, or for wasm-ld the trace of its inputs), the header-only libraries compiled in, and
# any EXTRA file the package embeds. A file that no Debian package provides has no notice we
# can name, and stops the build.
#
#   cmake -DRECORD=lumetra.map "-DOWN=<source dir>;<build dir>" "-DHEADERS=/usr/include/fmt;..."
#         [-DEXTRA=stub] -DLICENSE=LICENSE -DTITLE="Lumetra 1.0.0.5" -DOUTPUT=LICENSES.txt
#         [-DCRLF=ON] [-DCOPYRIGHT=copyright -DHOMEPAGE=url] -DDPKG_QUERY=dpkg-query
#         -P write_notices.cmake

cmake_minimum_required(VERSION 3.25)

# Sets OUT to whether TEXT begins with one of the PREFIXES that follow.
function(begins_with_any out text)
  set(${out} OFF PARENT_SCOPE)
  foreach(prefix IN LISTS ARGN)
    string(FIND "${text}" "${prefix}" at)
    if(at EQUAL 0)
      set(${out} ON PARENT_SCOPE)
    endif()
  endforeach()
endfunction()

# Lines that name a file: GNU ld's "LOAD file" and "archive(member)", and wasm-ld's trace.
file(STRINGS ${RECORD} lines REGEX "^(LOAD )?/")
# With --as-needed, ld keeps only the shared libraries it lists here (by soname); the others it
# was given are not linked.
file(STRINGS ${RECORD} kept_libraries REGEX "^lib[^ ]*\\.so[.0-9]* ")
list(TRANSFORM kept_libraries REPLACE " .*" "")
list(TRANSFORM OWN APPEND "/" OUTPUT_VARIABLE own_dirs)

set(linked ${HEADERS} ${EXTRA})
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^(LOAD )?([^(]+)(\\(.*\\))?$" "\\2" path "${line}")
  # An archive counts only where the linker took a member of it.
  if(path MATCHES "\\.a$" AND NOT line MATCHES "\\)$")
    continue()
  endif()
  if(NOT EXISTS "${path}" OR IS_DIRECTORY "${path}")
    continue()
  endif()
  file(REAL_PATH "${path}" path)
  get_filename_component(name "${path}" NAME)
  begins_with_any(kept "${name}" ${kept_libraries})
  if(kept_libraries AND name MATCHES "\\.so" AND NOT kept)
    continue()
  endif()
  begins_with_any(own "${path}" ${own_dirs})
  if(NOT own)
    list(APPEND linked "${path}")
  endif()
endforeach()
list(REMOVE_DUPLICATES linked)

# dpkg knows the files of a merged /usr under their old names (/lib for /usr/lib), so each is
# asked for under both.
set(queries ${linked})
foreach(path IN LISTS linked)
  if(path MATCHES "^/usr(/.*)$")
    list(APPEND queries "${CMAKE_MATCH_1}")
  endif()
endforeach()
execute_process(COMMAND ${DPKG_QUERY} -S ${queries} OUTPUT_VARIABLE owners ERROR_QUIET)
string(REPLACE "\n" ";" owners "${owners}")

# The notices, one for each distinct copyright file, with the packages and files it covers.
set(groups "")
foreach(path IN LISTS linked)
  string(REGEX REPLACE "^/usr(/.*)$" "\\1" alias "${path}")
  set(package "")
  foreach(owner IN LISTS owners)
    # "package[:arch][, other...]: file"
    if(owner MATCHES "^([^:, ]+)[^ ]*: (.*)$")
      if(CMAKE_MATCH_2 STREQUAL path OR CMAKE_MATCH_2 STREQUAL alias)
        set(package ${CMAKE_MATCH_1})
      endif()
    endif()
  endforeach()
  if(package STREQUAL "")
    message(FATAL_ERROR "${TITLE}: ${path} is built in, but no Debian package provides it, so its "
                        "notice is unknown. Build with the Debian package of that library instead.")
  endif()
  set(notice /usr/share/doc/${package}/copyright)
  if(NOT EXISTS ${notice})
    message(FATAL_ERROR "${TITLE}: ${path} is built in, but its package ${package} has no ${notice}.")
  endif()
  file(SHA256 ${notice} group)
  if(NOT group IN_LIST groups)
    list(APPEND groups ${group})
    set(notice_${group} ${notice})
  endif()
  get_filename_component(name "${path}" NAME)
  list(APPEND packages_${group} ${package})
  list(APPEND files_${group} ${name})
endforeach()

set(rule "-------------------------------------------------------------------------------")
file(READ ${LICENSE} licence)
set(text "${TITLE}\n\nLumetra is free software under the MIT licence:\n\n${licence}\n")
string(APPEND text "It is built with code of the libraries below. The notice of each is the copyright file of "
                   "the Debian package that the code comes from.\n")
set(sections "")
set(packages "")
foreach(group IN LISTS groups)
  list(REMOVE_DUPLICATES packages_${group})
  list(REMOVE_DUPLICATES files_${group})
  list(SORT packages_${group})
  list(SORT files_${group})
  list(APPEND packages ${packages_${group}})
  list(JOIN packages_${group} ", " heading)
  list(APPEND sections "${heading}|${group}")
endforeach()
list(SORT sections)
foreach(section IN LISTS sections)
  string(REGEX MATCH "^(.*)\\|(.*)$" _ "${section}")
  set(group ${CMAKE_MATCH_2})
  list(JOIN files_${group} ", " files)
  file(READ ${notice_${group}} notice)
  string(APPEND text "\n${rule}\n${CMAKE_MATCH_1}: ${files}\n${rule}\n\n${notice}")
endforeach()
if(CRLF)
  string(REPLACE "\n" "\r\n" text "${text}")
endif()
file(WRITE ${OUTPUT} "${text}")

# The Debian package's copyright file, in Debian's machine-readable form: Lumetra's own
# licence, and the packages whose code it is built with or runs with.
if(COPYRIGHT)
  if(NOT licence MATCHES "Copyright \\(c\\) ([^\n]*)\n+(.*)$")
    message(FATAL_ERROR "${LICENSE} has no line \"Copyright (c) ...\"")
  endif()
  set(holder "${CMAKE_MATCH_1}")
  string(STRIP "${CMAKE_MATCH_2}" terms)
  string(REPLACE "\n\n" "\n.\n" terms "${terms}")
  string(REPLACE "\n" "\n " terms " ${terms}")
  list(SORT packages)
  list(JOIN packages ", " all)
  file(WRITE ${COPYRIGHT}
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
    "Upstream-Name: Lumetra\n"
    "Source: ${HOMEPAGE}\n"
    "Comment: Lumetra is built with code of, or runs with libraries of, these Debian packages,\n"
    " whose notices are in LICENSES.txt beside this file: ${all}.\n"
    "\n"
    "Files: *\n"
    "Copyright: ${holder}\n"
    "License: Expat\n"
    "${terms}\n")
endif()
