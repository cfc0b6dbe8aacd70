#!/usr/bin/env bash
# Installs what building, running and testing Quarrow Print Book need on Debian 12 (or a
# recent Ubuntu). Packages already installed are left alone, so running it again is quick.
# The CUPS scheduler is installed for the tests' own print system (tests/printsystem), which
# runs beside the machine's printers, never in their place; Xvfb, the openbox window manager
# and xdotool for the tests of the windows on a desktop of their own.
# With --windows it also installs what the Windows check (scripts/windows-check.sh) needs:
# the MinGW-w64 cross compiler, GoogleTest's sources, Wine and the locale sources, what
# building Qt for MinGW-w64 from Debian's sources needs (dpkg-source, the Qt tools), NSIS for
# the installer, Ghostscript for the test printers' PostScript jobs, and ImageMagick for
# screenshots of the desktop program.
# With --package it also installs what building and checking the Debian package
# (scripts/package-check.sh) needs: dpkg-shlibdeps and file for CPack, lintian, the desktop
# entry and AppStream validators, and xdotool to find the program's window.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config python3
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev libgl-dev libcups2-dev
    fonts-liberation poppler-utils xvfb xauth openbox xdotool x11-utils
    cups-daemon cups-client
    clang-14 libclang-rt-14-dev
)
case "${1:-}" in
    --windows)
        packages+=(g++-mingw-w64-x86-64-posix googletest wine64 locales dpkg-dev
                   qt6-base-dev-tools nsis ghostscript imagemagick)
        ;;
    --package) packages+=(dpkg-dev file lintian desktop-file-utils shared-mime-info appstream) ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "All build dependencies are installed."
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "${missing[@]}"
