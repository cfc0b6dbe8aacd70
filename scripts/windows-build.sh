#!/usr/bin/env bash
# Builds the desktop program, quarrow-book and every test as 64-bit Windows programs with
# MinGW-w64 and Qt for MinGW-w64 (scripts/build-qt-mingw.sh, made once and kept in a cache),
# each program beside the DLLs and plugins it loads.
# Usage: scripts/windows-build.sh [BUILD_DIR]   (default build-win)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-win}
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}

./scripts/install-deps.sh --windows
qt=$(./scripts/build-qt-mingw.sh)
echo "Qt for MinGW-w64: $qt"
cmake --preset mingw-qt -B "$build_dir" -DQUARROW_QT_PREFIX="$qt"
cmake --build "$build_dir" -j "$jobs"
