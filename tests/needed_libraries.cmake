# Checks the shared libraries a built program needs, as objdump lists them: ELF "NEEDED"
# entries or PE "DLL Name" imports. Run as
#   cmake -DBINARY=<file> -DOBJDUMP=<objdump> [-DFORBIDDEN=<regex>] [-DALLOWED=<a;b;...>] -P needed_libraries.cmake
# It fails when a library matches FORBIDDEN, or when ALLOWED is given and a library is not in
# it (compared without regard to case, as Windows compares DLL names).
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${OBJDUMP} -p ${BINARY} OUTPUT_VARIABLE headers RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} could not read ${BINARY}")
endif()
string(REGEX MATCHALL "(NEEDED +|DLL Name: )[^\n]+" entries "${headers}")
if(NOT entries)
  message(FATAL_ERROR "no shared libraries listed for ${BINARY}: not the binary expected")
endif()
string(TOLOWER "${ALLOWED}" allowed)
set(needed "")
foreach(entry IN LISTS entries)
  string(REGEX REPLACE "^(NEEDED +|DLL Name: )" "" library "${entry}")
  string(STRIP "${library}" library)
  list(APPEND needed ${library})
  if(FORBIDDEN AND library MATCHES "${FORBIDDEN}")
    message(FATAL_ERROR "${BINARY} needs ${library}")
  endif()
  string(TOLOWER "${library}" lower)
  if(ALLOWED AND NOT lower IN_LIST allowed)
    message(FATAL_ERROR "${BINARY} needs ${library}, which is not one of ${ALLOWED}")
  endif()
endforeach()
message(STATUS "${BINARY} needs ${needed}")
