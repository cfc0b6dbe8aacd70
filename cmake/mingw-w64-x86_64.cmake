# Cross-builds the engine, its tests and quarrow-book as 64-bit Windows programs with
# Debian's MinGW-w64 (POSIX threads variant), and runs them under Wine:
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# scripts/windows-check.sh does this, runs the tests and compares the samples.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUARROW_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUARROW_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUARROW_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QUARROW_MINGW_TRIPLET}-windres)

# Look for libraries and packages (Qt among them) only in the MinGW tree, and for
# programs only on the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${QUARROW_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# CTest and test discovery run the programs under Wine, in a Wine prefix of this build
# folder's own so that runs do not depend on the user's ~/.wine.
find_program(QUARROW_WINE NAMES wine64 wine HINTS /usr/lib/wine)
if(QUARROW_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${CMAKE_BINARY_DIR}/wineprefix ${QUARROW_WINE})
endif()
