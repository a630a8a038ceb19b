# Run by cpack once the files are staged: the uninstaller's list of the files it deletes, in
# sorted order. cpack would list them in the order the build machine's file system returns
# them, which differs from machine to machine, and so would the setup's bytes.
if(CPACK_GENERATOR STREQUAL "NSIS")
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${CPACK_TEMPORARY_INSTALL_DIRECTORY}
       ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*)
  set(CPACK_NSIS_DELETE_FILES "")
  foreach(file IN LISTS files)
    string(REPLACE "/" "\\" file "${file}")
    string(APPEND CPACK_NSIS_DELETE_FILES "  Delete \"$INSTDIR\\${file}\"\n")
  endforeach()
endif()
