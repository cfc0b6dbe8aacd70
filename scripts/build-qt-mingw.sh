#!/usr/bin/env bash
# Makes Qt for 64-bit Windows (MinGW-w64) from Debian's own source package of the Qt that the
# Linux build uses, and prints the folder it is installed in. The Windows build of the desktop
# program, its tests and quarrow-book.exe with PDF output and printing build against it.
#
# Usage: scripts/build-qt-mingw.sh [--print-prefix]
#   --print-prefix  print the folder the Qt would be installed in, and build nothing
#
# The Qt is kept in a cache folder outside the checkout, named by the Qt version and a hash of
# the compiler, the options below and the toolchain file (QUARROW_QT_CACHE, default
# ~/.cache/quarrow), and reused when it is there: a second run takes a second. Building it
# takes about 40 minutes on two cores; two runs at once make it once.
#
# The sources come through apt with a deb-src list of this script's own, given to apt on its
# command line with private list and cache folders: the machine's apt sources and lists stay
# as they are. apt checks the signature of the archive's index with Debian's archive keyring
# and every downloaded file against the index's checksums.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)

# Only the modules the program uses, with Qt's bundled zlib, PCRE2, HarfBuzz, FreeType and
# libpng. Debian's tarball lacks the Wintab headers (tablet events), and without OpenGL the
# windows platform plugin must not load OpenGL dynamically.
qt_options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
    -DFEATURE_testlib=ON -DFEATURE_printsupport=ON -DFEATURE_widgets=ON
)

qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev 2>/dev/null) || {
    echo "build-qt-mingw.sh: qt6-base-dev is not installed (scripts/install-deps.sh installs it)" >&2
    exit 1
}
compiler=$(x86_64-w64-mingw32-g++-posix --version | head -n 1)
toolchain=$repo/cmake/mingw-w64-x86_64.cmake
key=$( (printf '%s\n' "$qt_version" "$compiler" "${qt_options[@]}"; cat "$toolchain") |
    sha256sum | cut -c1-12)
cache=${QUARROW_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quarrow}
prefix="$cache/qt-${qt_version%%+*}-mingw-w64-$key"

if [ "${1:-}" = "--print-prefix" ]; then
    echo "$prefix"
    exit 0
fi
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi
# One run at a time makes this Qt; another waits for it, and then finds it made.
mkdir -p "$cache"
exec 9>"$cache/qt-$key.lock"
flock 9
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

work="$cache/work-$key"
rm -rf "$work"
mkdir -p "$work/lists/partial" "$work/archives/partial" "$work/source"
log="$work/build.log"
echo "Making Qt $qt_version for MinGW-w64 in $prefix (about 25 minutes; log: $log)" >&2

cat >"$work/sources.list" <<'EOF'
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm-updates main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian-security bookworm-security main
EOF
apt_private=(
    -o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work" -o Dir::Cache::archives="$work/archives"
    -o APT::Sandbox::User=root
)
apt-get "${apt_private[@]}" update >>"$log" 2>&1 ||
    { echo "build-qt-mingw.sh: apt-get update failed, see $log" >&2; exit 1; }
(cd "$work/source" && apt-get "${apt_private[@]}" source "qt6-base=$qt_version") >>"$log" 2>&1 ||
    { echo "build-qt-mingw.sh: apt-get source qt6-base=$qt_version failed, see $log" >&2; exit 1; }
src=$(find "$work/source" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)

jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}
cmake -S "$src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${qt_options[@]}" >>"$log" 2>&1 ||
    { echo "build-qt-mingw.sh: configuring Qt failed, see $log" >&2; exit 1; }
cmake --build "$work/build" -j "$jobs" >>"$log" 2>&1 ||
    { echo "build-qt-mingw.sh: building Qt failed, see $log" >&2; exit 1; }
cmake --install "$work/build" >>"$log" 2>&1 ||
    { echo "build-qt-mingw.sh: installing Qt failed, see $log" >&2; exit 1; }
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
