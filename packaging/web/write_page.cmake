# Writes the site's page: the page's template with the window's markup, as make_page writes
# it, in place of @LUMETRA_WINDOW@, and the script that wires it in place of
# @LUMETRA_WINDOW_SCRIPT@.
#   cmake -DNODE=... -DMAKE_PAGE=make_page.js -DTEMPLATE=index.html -DSCRIPT=window.js -DOUTPUT=site/index.html
#         -P write_page.cmake
execute_process(COMMAND ${NODE} --no-experimental-fetch ${MAKE_PAGE} OUTPUT_VARIABLE markup RESULT_VARIABLE failed)
if(failed OR markup STREQUAL "")
  message(FATAL_ERROR "make_page wrote no window: ${failed}")
endif()
file(READ ${TEMPLATE} page)
file(READ ${SCRIPT} script)
string(REPLACE "@LUMETRA_WINDOW@" "${markup}" page "${page}")
string(REPLACE "@LUMETRA_WINDOW_SCRIPT@" "${script}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
