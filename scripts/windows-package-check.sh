#!/usr/bin/env bash
# Packs the Windows build as its installer and portable ZIP, and checks them as a user meets
# them, in a fresh Wine prefix: the silent install puts the files under Program Files with a
# Start-menu shortcut and an Add/Remove Programs entry; the installed quarrow-book.exe turns
# the samples into their report files; the installed quarrow.exe shows its main window on
# Wine's window system; the ZIP holds the same folder and runs from wherever it is unpacked;
# the silent uninstall removes every installed file, the shortcut and the entry.
# Usage: scripts/windows-package-check.sh BUILD_DIR   (a Windows build, scripts/windows-build.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:?usage: windows-package-check.sh BUILD_DIR}" && pwd)
repo=$PWD
wine=$(sed -n 's/^QUARROW_WINE:FILEPATH=//p' "$build/CMakeCache.txt")
wineserver="$(dirname "$wine")/wineserver"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name="Quarrow-Print-Book-$version-win64"

fail() {
    echo "windows-package-check.sh: $*" >&2
    exit 1
}

(cd "$build" && cpack >/dev/null) || fail "cpack could not pack the Windows build"
installer="$build/$name-setup.exe"
zip="$build/$name.zip"
[ -f "$installer" ] && [ -f "$zip" ] || fail "cpack made no $name-setup.exe and $name.zip"
echo "Packed: $(basename "$installer"), $(basename "$zip")"

work=$(mktemp -d)
export WINEPREFIX="$work/wineprefix"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
run() { LC_ALL=C.UTF-8 "$wine" "$@"; }
. tests/windows/display.sh
cleanup() {
    "$wineserver" --kill 2>/dev/null || true
    stop_display
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
start_display "$work"
run wineboot --init >/dev/null 2>&1
"$wineserver" --wait

# Installed as the user installs it, without a question.
run "$installer" /S
"$wineserver" --wait
installed="$WINEPREFIX/drive_c/Program Files/Quarrow Print Book"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quarrow Print Book/Quarrow Print Book.lnk"
entry='Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\Quarrow Print Book\]'
[ -f "$installed/bin/quarrow.exe" ] || fail "no bin/quarrow.exe under $installed"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
grep -q "$entry" "$WINEPREFIX/system.reg" || fail "no Add/Remove Programs entry"

# The same folder in the ZIP as under Program Files, less the uninstaller.
mkdir "$work/portable"
(cd "$work/portable" && cmake -E tar xf "$zip")
diff <(cd "$installed" && find . -type f ! -name Uninstall.exe | sort) \
    <(cd "$work/portable/$name" && find . -type f | sort) ||
    fail "the ZIP and the installed folder differ"

# Each of the installed and the unpacked quarrow-book.exe turns the samples into their report
# files, byte for byte.
for program in "C:\\Program Files\\Quarrow Print Book\\bin\\quarrow-book.exe" \
    "$work/portable/$name/bin/quarrow-book.exe"; do
    for sample in sr22-undivided us97-divided; do
        cp "$repo/samples/$sample.txt" "$work/$sample.txt"
        run "$program" "Z:$work/$sample.txt" --stk "Z:$work/$sample.stk" ||
            fail "$program failed on $sample.txt"
        cmp "$work/$sample.stk" "$repo/samples/$sample.stk" ||
            fail "$program turned $sample.txt into another report file"
    done
done

# The installed desktop program shows its main window on Wine's window system.
(cd "$work" && run "C:\\Program Files\\Quarrow Print Book\\bin\\quarrow.exe") &
timeout 60 xdotool search --sync --onlyvisible --name '^Quarrow Print Book$' >/dev/null ||
    fail "the installed quarrow.exe showed no main window"
"$wineserver" --kill
"$wineserver" --wait

# Removed as the user removes it, without a question: nothing of it is left.
run "$installed/Uninstall.exe" /S
"$wineserver" --wait
[ -z "$(find "$installed" -type f 2>/dev/null)" ] || fail "files left after uninstalling: $(find "$installed" -type f)"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is left after uninstalling"
! grep -q "$entry" "$WINEPREFIX/system.reg" || fail "the Add/Remove Programs entry is left"
echo "Windows installer and ZIP checked: installed, run and removed."
