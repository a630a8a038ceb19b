# Builds for the browser with Debian's emscripten (3.1.6): WebAssembly and the JavaScript that
# loads it. Test programs run under node.
#
#   cmake --preset web

# Debian's emscripten keeps its toolchain file with its CMake modules.
set(LUMETRA_EMSCRIPTEN_TOOLCHAIN /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
if(NOT EXISTS ${LUMETRA_EMSCRIPTEN_TOOLCHAIN})
  message(FATAL_ERROR "No emscripten toolchain at ${LUMETRA_EMSCRIPTEN_TOOLCHAIN}; install emscripten")
endif()

# Under node 18 and later, emscripten 3.1.6's JavaScript would fetch its .wasm through the
# URL of a local path, which fails; without fetch it reads the file.
find_program(LUMETRA_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${LUMETRA_NODE} --no-experimental-fetch)

include(${LUMETRA_EMSCRIPTEN_TOOLCHAIN})

# The arithmetic raises its faults as exceptions, which emscripten catches only when asked.
# Memory may grow: the property tests' oracles need more than the first 16 MB.
set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions -sALLOW_MEMORY_GROWTH=1")

# The linker's JavaScript optimizer needs acorn, which Debian's node-acorn keeps where node
# looks only when told.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
