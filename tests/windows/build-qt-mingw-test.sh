#!/usr/bin/env bash
# scripts/build-qt-mingw.sh makes a Qt anew when the toolchain file changes, and a second run
# waits for one that is making the same Qt rather than deleting its work.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/repo/scripts" "$work/repo/cmake"
cp "$repo/scripts/build-qt-mingw.sh" "$work/repo/scripts/"
cp "$repo/cmake/mingw-w64-x86_64.cmake" "$work/repo/cmake/"
export QUARROW_QT_CACHE="$work/cache"
script="$work/repo/scripts/build-qt-mingw.sh"

before=$("$script" --print-prefix)
echo "# changed" >>"$work/repo/cmake/mingw-w64-x86_64.cmake"
after=$("$script" --print-prefix)
[ "$before" != "$after" ] || { echo "FAILED: a changed toolchain file keeps the Qt $before"; exit 1; }

key=${after##*-}
mkdir -p "$QUARROW_QT_CACHE"
flock "$QUARROW_QT_CACHE/qt-$key.lock" sleep 30 &
sleep 0.5
status=0
timeout 3 "$script" >/dev/null 2>&1 || status=$?
[ "$status" = 124 ] && [ ! -e "$QUARROW_QT_CACHE/work-$key" ] ||
    { echo "FAILED: a second run did not wait for the one making the Qt"; exit 1; }
echo "build-qt-mingw.sh: a new Qt for a new toolchain; one run at a time makes it"
