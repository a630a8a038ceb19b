# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64).
#
#   cmake --preset windows
#
# The posix-threads compilers are used because their libstdc++ has std::thread, std::mutex
# and the rest of <thread>; the win32-threads ones do not.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(LUMETRA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${LUMETRA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LUMETRA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${LUMETRA_MINGW_TRIPLE}-windres)

# Headers, libraries and CMake packages come from the mingw sysroot only, so that nothing
# built for Linux (e.g. /usr/lib/x86_64-linux-gnu/libgtest.a) is picked up by mistake;
# programs such as wine still come from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${LUMETRA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libstdc++, libgcc and winpthread are linked in, so that an .exe runs on a bare Windows
# (or a fresh Wine prefix) without the mingw DLLs copied beside it. The header's time stamp
# stays 0, so that two builds of one commit are the same bytes.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")

# CTest, and any add_custom_command that runs a built program, start it under Wine.
find_program(LUMETRA_WINE NAMES wine wine64 DOC "Wine, which runs the cross-built test programs")
if(LUMETRA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${LUMETRA_WINE})
else()
  message(WARNING "wine was not found: the Windows programs build, but CTest cannot run them")
endif()
