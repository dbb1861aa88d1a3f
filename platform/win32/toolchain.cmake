# Cross-building for 64-bit Windows with Debian's mingw-w64, e.g.
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=platform/win32/toolchain.cmake -DVORLEN_ART_DIR=build/bin
# The C and C++ runtimes are linked in, so the programs run on a bare Windows; CTest runs the
# test programs under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
# Wine maps its shared user data at a fixed address. With the address space randomised, now and
# then another mapping already lies there and the program ends at once, printing nothing under
# WINEDEBUG=-all ("failed to map the shared user data: c0000018" otherwise), so CTest runs each
# program with randomisation off (setarch -R, inherited by what wine starts).
set(CMAKE_CROSSCOMPILING_EMULATOR setarch -R wine)
# No SDL2 for Windows here: the game's device is platform/win32.
set(VORLEN_DESKTOP OFF CACHE BOOL "" FORCE)
