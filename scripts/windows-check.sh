#!/usr/bin/env bash
# Builds the desktop program, quarrow-book and every test for Windows (scripts/windows-build.sh),
# then runs the tests under Wine: the engine's, the windows' on Qt's offscreen platform, the
# printing tests on the tests' own print system through Windows' print path, and the desktop
# program on Wine's own window system; last, it packs and checks the installer and the ZIP
# (scripts/windows-package-check.sh).
# Usage: scripts/windows-check.sh [BUILD_DIR]   (default build-win)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-win}
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}
start=$SECONDS

./scripts/windows-build.sh "$build_dir"
echo "Windows build ready after $((SECONDS - start)) s."

# The build folder's own Wine prefix (making it the first time takes a while), and one Wine
# server for the whole run: left to Wine, the server stops when a program ends and can be
# stopping just as the next program connects ("wine client error: recvmsg: Connection
# reset by peer"). wineboot then starts Wine's own services with this script's output,
# not with the output of the first test, which CTest would wait on until they end.
wine=$(sed -n 's/^QUARROW_WINE:FILEPATH=//p' "$build_dir/CMakeCache.txt")
wineserver="$(dirname "$wine")/wineserver"
export WINEPREFIX="$PWD/$build_dir/wineprefix"
host_commands="$PWD/$build_dir/hostcommands"
# At the end, stop the runner of host commands, the server, every program still running and
# the display.
. tests/windows/display.sh
trap 'tests/windows/hostcommands.sh stop "$host_commands"; "$wineserver" --kill || true
      stop_display; wait' EXIT
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

# Wine itself now and then drops a program as it starts, before the program has run a line
# (no output at all): a test is run up to three times, so only a test that fails every
# time fails the check.
ctest --test-dir "$build_dir" --output-on-failure -j "$jobs" --timeout 300 --repeat until-pass:3
tests/windows/hostcommands.sh stop "$host_commands"
"$wineserver" --kill
stop_display
./scripts/windows-package-check.sh "$build_dir"
echo "Windows check passed in $((SECONDS - start)) s."
