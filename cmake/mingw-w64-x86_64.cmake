# Cross-compiling for 64-bit Windows with Debian's mingw-w64. The posix thread
# model is the one with std::mutex and std::thread; everything is linked
# statically so the game needs no DLL beyond those every Windows has.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(PELMORA_MINGW x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${PELMORA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PELMORA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${PELMORA_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PELMORA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
