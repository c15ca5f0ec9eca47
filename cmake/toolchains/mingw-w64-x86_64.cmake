# Cross build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix). The
# "posix" thread model is the one whose C++ runtime has std::thread.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TREVALUNDA_MINGW_TARGET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TREVALUNDA_MINGW_TARGET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TREVALUNDA_MINGW_TARGET}-g++-posix)
set(CMAKE_RC_COMPILER ${TREVALUNDA_MINGW_TARGET}-windres)
set(CMAKE_OBJDUMP ${TREVALUNDA_MINGW_TARGET}-objdump CACHE FILEPATH "objdump of the target")

set(CMAKE_FIND_ROOT_PATH /usr/${TREVALUNDA_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# MinGW's own runtime DLLs (libstdc++-6, libgcc_s_seh-1, libwinpthread-1) are on no Windows
# machine: every program and library of the build carries them inside.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
