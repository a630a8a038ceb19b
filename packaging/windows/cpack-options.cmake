# Read by cpack once for each generator, with CPACK_GENERATOR naming the one at work.
#
# The zip is the portable program: it gets the README that says how to start it, from
# the install component `portable`, which no plain install and no setup program includes.
if(CPACK_GENERATOR STREQUAL "ZIP")
  list(GET CPACK_INSTALL_CMAKE_PROJECTS 0 _lumetra_build_dir)
  list(APPEND CPACK_INSTALL_CMAKE_PROJECTS "${_lumetra_build_dir}" Lumetra portable /)
endif()
