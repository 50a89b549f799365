# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers, their "-posix"
# variants (the thread model the C++ standard library's threads need). Everything is
# linked statically, so each .exe needs nothing but Windows itself. Tests run under
# Wine through CTest: CMAKE_CROSSCOMPILING_EMULATOR is Debian's 64-bit Wine, which is
# not on PATH.
#   cmake -S . -B build-windows --toolchain cmake/MinGW-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's own run-time (libgcc, libstdc++, winpthread) goes into every
# executable and module.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

set(WINE_PROGRAM /usr/lib/wine/wine64 CACHE FILEPATH "Debian's 64-bit Wine, which runs the tests")
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_PROGRAM})
