# Fails when a program takes sin, cos, tan or atan from the platform rather than from the
# core: as an undefined symbol to be bound to the C library (ELF), as an import from a DLL
# (PE), or linked in from the compiler's runtime. Run as
#   cmake -DBINARY=<file> -DNM=<nm> -DOBJDUMP=<objdump> -P no_platform_trigonometry.cmake
cmake_minimum_required(VERSION 3.25)
set(functions "(sin|cos|tan|atan|sincos)[fl]?")
execute_process(COMMAND ${NM} ${BINARY} OUTPUT_VARIABLE symbols ERROR_QUIET)
execute_process(COMMAND ${NM} -D ${BINARY} OUTPUT_VARIABLE dynamic ERROR_QUIET)
execute_process(COMMAND ${OBJDUMP} -p ${BINARY} OUTPUT_VARIABLE headers RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} could not read ${BINARY}")
endif()
string(REGEX MATCHALL "[ \t][TtUuWw] ${functions}(@[^\n]*)?\n" found "${symbols}\n${dynamic}\n")
# PE imports are listed as: address, hint, name.
string(REGEX MATCHALL "\n[ \t]+[0-9a-f]+[ \t]+[0-9]+[ \t]+${functions}\n" imported "${headers}\n")
if(found OR imported)
  message(FATAL_ERROR "${BINARY} takes trigonometry from the platform: ${found} ${imported}")
endif()
message(STATUS "${BINARY} has no sin, cos, tan or atan of the platform")
