#!/usr/bin/env bash
# Builds the desktop program, quarrow-book and every test for Windows (scripts/windows-build.sh),
# then runs the tests under Wine: the engine's, the windows' on Qt's offscreen platform, the
# printing tests on the tests' own print system through Windows' print path, and the desktop
# program on Wine's own window system; a build of quarrow-book.exe alone, without Qt, runs
# too. Last, it packs and checks the installer and the ZIP (scripts/windows-package-check.sh).
# The check types only into a display of its own: whatever display it is run from, a user's
# desktop say, is left alone.
# Usage: scripts/windows-check.sh [BUILD_DIR]   (default build-win)
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p "${1:-build-win}"
build_dir=$(cd "${1:-build-win}" && pwd)
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}
start=$SECONDS

./scripts/windows-build.sh "$build_dir"
echo "Windows build ready after $((SECONDS - start)) s."
tests/windows/build-qt-mingw-test.sh

# The build folder's own Wine prefix (making it the first time takes a while), and one Wine
# server for the whole run: left to Wine, the server stops when a program ends and can be
# stopping just as the next program connects ("wine client error: recvmsg: Connection
# reset by peer"). wineboot then starts Wine's own services with this script's output,
# not with the output of the first test, which CTest would wait on until they end.
wine=$(sed -n 's/^QUARROW_WINE:FILEPATH=//p' "$build_dir/CMakeCache.txt")
wineserver="$(dirname "$wine")/wineserver"
export WINEPREFIX="$build_dir/wineprefix"
host_commands="$build_dir/hostcommands"
# The display the check was run from, which must see nothing of it: a display of its own
# stands for it, without a window manager, as a desktop the tests must not type into.
decoy=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$decoy/display" >/dev/null 2>&1 &
decoy_pid=$!
# At the end, stop the runner of host commands, the server, every program still running and
# the displays.
. tests/windows/display.sh
trap 'tests/windows/hostcommands.sh stop "$host_commands"; "$wineserver" --kill || true
      stop_display; kill "$decoy_pid" 2>/dev/null; rm -rf "$decoy"; wait' EXIT
# The printing tests and the desktop program show windows.
"$wineserver" --kill 2>/dev/null || true
start_display "$build_dir"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the Wine prefix $WINEPREFIX"
    cmake/wine-run.sh "$WINEPREFIX" "$wine" wineboot --init
fi
"$wineserver" --wait
"$wineserver" --foreground --persistent &
cmake/wine-run.sh "$WINEPREFIX" "$wine" wineboot
# Wine has no "Courier New" and would draw it in a proportional font: Courier New is drawn
# with Liberation Mono, as on Linux. The window tests' offscreen
# platform draws with the font files in Windows' fonts folder, as on Windows: Liberation's.
cmake/wine-run.sh "$WINEPREFIX" "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' \
    /v 'Courier New' /d 'Liberation Mono' /f >/dev/null
cp /usr/share/fonts/truetype/liberation/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
# Wine cannot start the build machine's programs that the tests use (poppler's, CUPS's): a
# runner of their own starts them.
tests/windows/hostcommands.sh start "$host_commands"
export QUARROW_HOST_COMMANDS="Z:$host_commands"

for _ in $(seq 50); do [ -s "$decoy/display" ] && break; sleep 0.1; done
DISPLAY=":$(cat "$decoy/display")" \
    tests/windows/ctest-under-wine.sh "$build_dir" --output-on-failure -j "$jobs" --timeout 300
shown=$(DISPLAY=":$(cat "$decoy/display")" xdotool search --onlyvisible --name . 2>/dev/null || true)
[ -z "$shown" ] || { echo "The tests showed windows on the display they were run from." >&2; exit 1; }

# quarrow-book.exe built alone, without Qt, starts from its build folder.
cmake --preset mingw-wine -B "$build_dir/without-qt" -DQUARROW_BUILD_TESTS=OFF >/dev/null
cmake --build "$build_dir/without-qt" --target quarrow-book -j "$jobs" >/dev/null
cmake/wine-run.sh "$WINEPREFIX" "$wine" "$build_dir/without-qt/bin/quarrow-book.exe" --version ||
    { echo "quarrow-book.exe built without Qt does not start" >&2; exit 1; }

tests/windows/hostcommands.sh stop "$host_commands"
"$wineserver" --kill
stop_display
./scripts/windows-package-check.sh "$build_dir"
echo "Windows check passed in $((SECONDS - start)) s."
