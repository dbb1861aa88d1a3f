# The browser build's toolchain: Debian's Emscripten, and the linker groups the project links
# its programs with (wasm-ld, like lld, takes --start-group/--end-group and needs no rescan).
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
set(CMAKE_CXX_LINK_GROUP_USING_RESCAN "LINKER:--start-group" "LINKER:--end-group")
set(CMAKE_CXX_LINK_GROUP_USING_RESCAN_SUPPORTED TRUE)
