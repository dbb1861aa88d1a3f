# The browser build's toolchain: Debian's Emscripten. It runs the programs it builds under
# Node (CMAKE_CROSSCOMPILING_EMULATOR), which is how CTest runs the tests of a WebAssembly build.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
