# Writes the service worker for the site as built: its cache is named after the version and a
# digest of every file it keeps, so that each build that changes any of them is a new service
# worker with a cache of its own.
#   cmake -DSITE=site -DTEMPLATE=sw.js.in -DVERSION=1.0.0.5 "-DFILES=index.html;..." -P write_service_worker.cmake
set(_digests "")
set(_quoted "'./'")
foreach(_file IN LISTS FILES)
  file(SHA256 ${SITE}/${_file} _one)
  string(APPEND _digests ${_one})
  string(APPEND _quoted ", '${_file}'")
endforeach()
string(SHA256 _digest "${_digests}")
string(SUBSTRING ${_digest} 0 12 LUMETRA_WEB_BUILD)
set(PROJECT_VERSION ${VERSION})
set(LUMETRA_WEB_FILES ${_quoted})
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
