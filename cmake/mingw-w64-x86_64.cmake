# Cross build for 64-bit Windows with Debian's MinGW-w64 (the posix flavour: the win32 one has no
# std::mutex or std::thread). Tests run through Wine, so ctest works unchanged on this machine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(HALVO_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${HALVO_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HALVO_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${HALVO_MINGW_PREFIX}-windres)

# Qt for MinGW (scripts/qt-mingw.sh) lives outside the compiler's folder; its host tools are Debian's.
# As Qt's own toolchain file does: its prefix is a root, its lib/cmake the prefix path (CMake would
# otherwise join the two into a path that does not exist).
set(CMAKE_FIND_ROOT_PATH ${HALVO_QT_MINGW_PREFIX} /usr/${HALVO_MINGW_PREFIX})
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES HALVO_QT_MINGW_PREFIX)
if(HALVO_QT_MINGW_PREFIX)
    set(QT_HOST_PATH /usr CACHE PATH "Qt's host tools (moc, rcc, uic)")
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "CMake files of Qt's host tools")
    list(PREPEND CMAKE_PREFIX_PATH ${HALVO_QT_MINGW_PREFIX}/lib/cmake)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static runtime: Wine (and a user's machine) then needs no MinGW DLLs beside the executables.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
    set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
endif()
