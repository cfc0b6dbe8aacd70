#!/usr/bin/env bash
# Builds the engine, its tests and quarrow-book as 64-bit Windows programs with MinGW-w64,
# then runs the tests and the sample conversions under Wine.
# Usage: scripts/windows-check.sh [BUILD_DIR]   (default build-win)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-win}
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}
start=$SECONDS

./scripts/install-deps.sh --windows

# Without Qt (never looked for here): quarrow-book builds without --pdf, and neither the
# desktop program nor its tests are built. The benchmarks measure Linux processes.
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DQUARROW_BUILD_BENCH=OFF
cmake --build "$build_dir" -j "$jobs"

# Make the build folder's Wine prefix once, before CTest starts programs in it side by
# side; the first start of Wine takes a while.
wine=$(sed -n 's/^QUARROW_WINE:FILEPATH=//p' "$build_dir/CMakeCache.txt")
prefix="$PWD/$build_dir/wineprefix"
if [ ! -f "$prefix/system.reg" ]; then
    echo "Making the Wine prefix $prefix"
    cmake/wine-run.sh "$prefix" "$wine" wineboot --init
    WINEPREFIX="$prefix" "$(dirname "$wine")/wineserver" --wait
fi

ctest --test-dir "$build_dir" --output-on-failure -j "$jobs" --timeout 300
echo "Windows check passed in $((SECONDS - start)) s."
