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

# The build folder's own Wine prefix (making it the first time takes a while), and one Wine
# server for the whole run: left to Wine, the server stops when a program ends and can be
# stopping just as the next program connects ("wine client error: recvmsg: Connection
# reset by peer"). wineboot then starts Wine's own services with this script's output,
# not with the output of the first test, which CTest would wait on until they end.
wine=$(sed -n 's/^QUARROW_WINE:FILEPATH=//p' "$build_dir/CMakeCache.txt")
wineserver="$(dirname "$wine")/wineserver"
export WINEPREFIX="$PWD/$build_dir/wineprefix"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the Wine prefix $WINEPREFIX"
    cmake/wine-run.sh "$WINEPREFIX" "$wine" wineboot --init
fi
"$wineserver" --wait
"$wineserver" --foreground --persistent &
# At the end, stop the server and every program still running in this prefix.
trap '"$wineserver" --kill || true; wait' EXIT
cmake/wine-run.sh "$WINEPREFIX" "$wine" wineboot

# Wine itself now and then drops a program as it starts, before the program has run a line
# (no output at all): a test is run up to three times, so only a test that fails every
# time fails the check.
ctest --test-dir "$build_dir" --output-on-failure -j "$jobs" --timeout 300 --repeat until-pass:3
echo "Windows check passed in $((SECONDS - start)) s."
