# Cross-compiling for 32-bit Windows with Debian's MinGW-w64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(WARLOOM_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${WARLOOM_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${WARLOOM_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${WARLOOM_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${WARLOOM_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The posix thread model, for the standard library's threads; programs and libraries need no DLL of
# the compiler's: its runtime goes in statically.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
# printf and friends with the C99 conversions.
add_compile_definitions(__USE_MINGW_ANSI_STDIO=1)
# Single-precision arithmetic done in single precision (SSE), not in the x87's wider registers.
add_compile_options(-msse2 -mfpmath=sse)

# Tests run under 32-bit Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
