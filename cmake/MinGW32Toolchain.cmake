# Cross-builds the 32-bit Windows program with Debian's MinGW-w64 compilers (POSIX threads, so
# that std::thread works). The test programs run under Wine through scripts/wine-run.sh.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(PLUVO_MINGW i686-w64-mingw32)
set(CMAKE_C_COMPILER ${PLUVO_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PLUVO_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${PLUVO_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${PLUVO_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# SSE2 arithmetic gives float and double the results of the x86-64 build; long double stays the
# x87 type. The frame pointer lets the error report walk the stack.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -fno-omit-frame-pointer")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -fno-omit-frame-pointer")
# One file with no DLLs of ours beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
