# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 compilers.
#
#   cmake -S . -B build-windows -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/x86_64-w64-mingw32.cmake \
#     -DTEASER_WINDOWS_DEPS="$(scripts/windows-deps.sh)"
#
# TEASER_WINDOWS_DEPS (a CMake variable, or the environment variable of the
# same name) is the folder that scripts/windows-deps.sh fills: Qt, SDL2,
# SDL2_mixer and GoogleTest built for Windows, installed in its prefix/.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_teaser_mingw x86_64-w64-mingw32)
# The posix thread model: Qt needs std::thread and std::mutex, which the
# win32 model of GCC 12 lacks.
set(CMAKE_C_COMPILER ${_teaser_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_teaser_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_teaser_mingw}-windres)
set(CMAKE_AR /usr/bin/${_teaser_mingw}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${_teaser_mingw}-ranlib CACHE FILEPATH "")

if(NOT TEASER_WINDOWS_DEPS AND DEFINED ENV{TEASER_WINDOWS_DEPS})
  set(TEASER_WINDOWS_DEPS "$ENV{TEASER_WINDOWS_DEPS}")
endif()
if(NOT TEASER_WINDOWS_DEPS)
  message(FATAL_ERROR "Set TEASER_WINDOWS_DEPS to the folder scripts/windows-deps.sh printed")
endif()
# Kept, so that a later cmake run in the same build folder needs it no more.
set(TEASER_WINDOWS_DEPS "${TEASER_WINDOWS_DEPS}" CACHE PATH "What scripts/windows-deps.sh built")
# try_compile() projects read this file again and need the folder too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TEASER_WINDOWS_DEPS)
set(ENV{TEASER_WINDOWS_DEPS} "${TEASER_WINDOWS_DEPS}")

set(TEASER_WINDOWS_PREFIX "${TEASER_WINDOWS_DEPS}/prefix")
# Libraries, headers and CMake packages come from MinGW and the cross-built
# prefix only; programs (moc, rcc, uic, windres) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${_teaser_mingw} "${TEASER_WINDOWS_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt's cross-built packages take moc, rcc and uic from the build machine's
# Qt of the same version (Debian's qt6-base-dev-tools).
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")

# Where the DLLs a Windows program needs beside it are: Qt, SDL2, SDL2_mixer
# and the MinGW runtime (libstdc++, libgcc_s, libwinpthread), all copied
# into one folder by the build script; Qt's plugins below it.
set(TEASER_WINDOWS_DLL_DIR "${TEASER_WINDOWS_PREFIX}/bin")
set(TEASER_WINDOWS_PLUGIN_DIR "${TEASER_WINDOWS_PREFIX}/plugins")

# ctest and gtest_discover_tests run the Windows programs through Wine.
if(EXISTS "${TEASER_WINDOWS_DEPS}/wine-run")
  set(CMAKE_CROSSCOMPILING_EMULATOR "${TEASER_WINDOWS_DEPS}/wine-run")
endif()
