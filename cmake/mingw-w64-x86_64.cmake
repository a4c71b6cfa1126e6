# Cross build for 64-bit Windows with Debian's MinGW-w64 (the posix flavour: the win32 one has no
# std::mutex or std::thread). Tests run through Wine, so ctest works unchanged on this machine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(HALVO_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${HALVO_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HALVO_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${HALVO_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${HALVO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static runtime: Wine (and a user's machine) then needs no MinGW DLLs beside the executables.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
    set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
endif()
