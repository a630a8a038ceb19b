# Each committed generated file of the trigonometry against what its generator makes now, byte
# for byte. PYTHON names Debian's python3 (with python3-gmpy2), TRIG the folder core/trig.
foreach(pair IN ITEMS "make_trig_tables.py=trig_tables.cpp" "derive_bounds.py=trig_bounds.h"
                      "tests/make_careful_vectors.py=tests/careful_vectors.inc")
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 generator)
  list(GET pair 1 committed)
  execute_process(COMMAND ${PYTHON} ${TRIG}/${generator} OUTPUT_VARIABLE made RESULT_VARIABLE failed)
  file(READ ${TRIG}/${committed} kept)
  if(NOT failed EQUAL 0 OR NOT made STREQUAL kept)
    message(SEND_ERROR "${committed} is not what ${generator} makes now")
  endif()
endforeach()
