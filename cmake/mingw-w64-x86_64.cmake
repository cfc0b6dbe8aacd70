# Cross-builds the programs and their tests as 64-bit Windows programs with Debian's MinGW-w64
# (POSIX threads variant), and runs them under Wine:
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DQUARROW_QT_PREFIX=$(scripts/build-qt-mingw.sh)
# scripts/windows-check.sh does this and runs the tests. Without QUARROW_QT_PREFIX, the engine,
# its tests and quarrow-book build without Qt. The programs need the compiler's runtime DLLs
# beside them, as they need Qt's (cmake/WindowsRuntime.cmake puts them there).
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

# Qt for MinGW-w64 (scripts/build-qt-mingw.sh prints its folder), with the build machine's Qt
# tools (moc, rcc, uic) of the same version.
if(QUARROW_QT_PREFIX)
    list(APPEND CMAKE_FIND_ROOT_PATH ${QUARROW_QT_PREFIX})
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()

# CTest and test discovery run the programs under Wine, in a Wine prefix of this build
# folder's own so that runs do not depend on the user's ~/.wine.
find_program(QUARROW_WINE NAMES wine64 wine HINTS /usr/lib/wine)
if(QUARROW_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${CMAKE_BINARY_DIR}/wineprefix ${QUARROW_WINE})
endif()
