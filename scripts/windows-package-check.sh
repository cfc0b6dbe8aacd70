#!/usr/bin/env bash
# Packs the Windows build as its installer and portable ZIP, and checks them as a Windows user
# and an office's IT meet them, in a fresh Wine prefix:
# - the programs and the installer carry their version (Explorer's Details);
# - the silent install, into a Start-menu folder the user chose, puts the files under Program
#   Files with the licence texts, the shortcuts and an Add/Remove Programs entry with its size
#   and folder, and registers report files (*.stk), which then open in quarrow.exe;
# - the installed quarrow-book.exe turns the samples into their report files; the ZIP holds
#   the same folder and runs from wherever it is unpacked;
# - the silent uninstall leaves nothing: no file, shortcut, entry, file type, key or the
#   user's settings;
# - beside report files of another program, installing offers the program for them and leaves
#   their type alone, and uninstalling puts them back as they were;
# - a newer version installed over an older one, made as the releases before 1.0.0 were,
#   leaves the newer alone in the Start-menu folder chosen for the older, and the same version
#   installed again repairs it.
# Usage: scripts/windows-package-check.sh BUILD_DIR   (a Windows build, scripts/windows-build.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:?usage: windows-package-check.sh BUILD_DIR}" && pwd)
repo=$PWD
wine=$(sed -n 's/^QUARROW_WINE:FILEPATH=//p' "$build/CMakeCache.txt")
wineserver="$(dirname "$wine")/wineserver"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
publisher=$(sed -n 's/^QUARROW_PUBLISHER:STRING=//p' "$build/CMakeCache.txt")
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

# An older version as offices have it installed: the installer of the releases before 1.0.0
# (CMake's own template, the publisher's former name), with the files of the same build, one
# more of its own, and its version.
old_publisher="Quarrow Print Book maintainers"
(cd "$build" && cmake --install . --prefix "$work/older" >/dev/null)
echo "a file of the older version" >"$work/older/bin/older-only.txt"
(cd "$build" && cpack -G NSIS -D CPACK_PACKAGE_VERSION=0.9.0 -D CPACK_INSTALL_CMAKE_PROJECTS= \
    -D "CPACK_INSTALLED_DIRECTORIES=$work/older;." -D CPACK_PACKAGE_FILE_NAME=older \
    -D CPACK_MODULE_PATH= -D "CPACK_PACKAGE_VENDOR=$old_publisher" \
    -B "$work/older-package" >/dev/null) || fail "cpack could not pack the older version"
older_installer="$work/older-package/older-setup.exe"

installed="$WINEPREFIX/drive_c/Program Files/Quarrow Print Book"
programs="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quarrow Print Book'

# A registry value as "reg query" gives it: its type and its data.
value() {
    local which=(/ve)
    [ -z "${2:-}" ] || which=(/v "$2")
    run reg query "$1" "${which[@]}" 2>/dev/null | tr -d '\r' |
        awk '/^ / && NF >= 3 { $1 = ""; sub(/^ +/, ""); print; exit }'
}
# The version resource's texts of a Windows program, as "Key=Value" lines.
version_of() {
    strings -el "$1" | awk '/^(CompanyName|FileDescription|FileVersion|LegalCopyright|ProductName|ProductVersion)$/ {
        key = $0; getline; print key "=" $0 }' | sort
}
installed_files() { (cd "$installed" && find . -type f ! -name Uninstall.exe | sort); }
install() { run "$1" /S && "$wineserver" --wait; }
uninstall() { run "$installed/Uninstall.exe" /S && "$wineserver" --wait; }

# Windows shows each program's and the installer's version, product and publisher.
for program in "$build/bin/quarrow.exe" "$build/bin/quarrow-book.exe" "$installer"; do
    for expected in "FileVersion=$version" "ProductVersion=$version" \
        "ProductName=Quarrow Print Book" "CompanyName=$publisher"; do
        version_of "$program" | grep -qxF "$expected" ||
            fail "$(basename "$program") has no $expected in its version resource"
    done
done

# Installed as the user installs it, without a question, into the Start-menu folder the user
# chose before (the wizard keeps the choice where the installer reads it).
run reg add "HKLM\\Software\\$publisher\\Quarrow Print Book" /v "Start Menu Folder" \
    /d "Survey Tools" /f >/dev/null
install "$installer"
[ -f "$installed/bin/quarrow.exe" ] || fail "no bin/quarrow.exe under $installed"
[ -f "$programs/Survey Tools/Quarrow Print Book.lnk" ] || fail "no shortcut in the folder chosen"
for text in LGPL-3 GPL-3 Qt GCC-runtime-libraries MinGW-w64-runtime; do
    [ -s "$installed/licences/$text.txt" ] || fail "no licence text licences/$text.txt"
done
[ "$(value "$entry" DisplayVersion)" = "REG_SZ $version" ] || fail "no Add/Remove Programs entry"
[ "$(value "$entry" InstallLocation)" = 'REG_SZ C:\Program Files\Quarrow Print Book' ] ||
    fail "the entry's InstallLocation is '$(value "$entry" InstallLocation)'"
size=$(($(value "$entry" EstimatedSize | awk '{ print $2 }')))
[ "$size" -gt 1000 ] || fail "the entry's EstimatedSize is '$(value "$entry" EstimatedSize)'"
echo "Installed: $size KiB, with its version, licence texts, shortcuts and entry"

# The same folder in the ZIP as under Program Files, less the uninstaller.
mkdir "$work/portable"
(cd "$work/portable" && cmake -E tar xf "$zip")
diff <(installed_files) <(cd "$work/portable/$name" && find . -type f | sort) ||
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

# A report file opens in quarrow.exe, as from Explorer: once the numbers are typed, Preview
# shows the book of the file.
[ "$(value 'HKLM\Software\Classes\.stk')" = "REG_SZ QuarrowPrintBook.ReportFile" ] ||
    fail "report files (.stk) are not registered"
[ "$(value 'HKLM\Software\Classes\QuarrowPrintBook.ReportFile\shell\open\command')" = \
    'REG_SZ "C:\Program Files\Quarrow Print Book\bin\quarrow.exe" "%1"' ] ||
    fail "report files do not open in the installed quarrow.exe"
cp "$repo/samples/sr22-undivided.stk" "$work/book.stk"
(cd "$work" && run start /unix "$work/book.stk") &
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Quarrow Print Book$' | head -n 1) ||
    fail "opening book.stk showed no main window"
xdotool windowactivate --sync "$window" 2>/dev/null || true
sleep 1
xdotool type --delay 100 104
xdotool key Return
xdotool type --delay 100 2207
xdotool key --delay 300 Return Tab Tab Return
timeout 30 xdotool search --sync --onlyvisible --name '^Select Font and a Printer$' >/dev/null &&
    xdotool key --delay 300 Return Return Return
timeout 30 xdotool search --sync --onlyvisible --name '^Display Report$' >/dev/null ||
    fail "opening book.stk and Preview did not show its book"
echo "book.stk opens in quarrow.exe, which shows its book"
"$wineserver" --kill
"$wineserver" --wait

# Removed as the user removes it, without a question: nothing of it is left.
left() {
    [ -z "$(find "$installed" -type f 2>/dev/null)" ] || echo "files $(find "$installed" -type f)"
    for folder in "Survey Tools" "Field Crew"; do
        [ ! -e "$programs/$folder" ] || echo "the Start-menu folder $folder"
    done
    [ -z "$(value "$entry" DisplayVersion)" ] || echo "the Add/Remove Programs entry"
    [ -z "$(value 'HKLM\Software\Classes\.stk')" ] || echo "the .stk file type"
    run reg query 'HKLM\Software\Classes\QuarrowPrintBook.ReportFile' >/dev/null 2>&1 &&
        echo "the report file type"
    for vendor in "$publisher" "$old_publisher"; do
        run reg query "HKLM\\Software\\$vendor" >/dev/null 2>&1 && echo "the key Software\\$vendor"
    done
    run reg query "HKCU\\Software\\$publisher" >/dev/null 2>&1 &&
        echo "the user's settings HKCU\\Software\\$publisher"
    true
}
uninstall
[ -z "$(left)" ] || fail "left after uninstalling: $(left)"
echo "Uninstalled: nothing left"

# A newer version over an older one installed into a Start-menu folder of the user's choice:
# the newer alone, with one entry, in the same folder; the same version again repairs it.
run reg add "HKLM\\Software\\$old_publisher\\Quarrow Print Book" /v "Start Menu Folder" \
    /d 'Field Crew\Stake Books' /f >/dev/null
install "$older_installer"
[ -f "$installed/bin/older-only.txt" ] || fail "the older version did not install"
[ -f "$programs/Field Crew/Stake Books/Quarrow Print Book.lnk" ] ||
    fail "the older version made no shortcut in the folder chosen"
install "$installer"
[ -f "$programs/Field Crew/Stake Books/Quarrow Print Book.lnk" ] ||
    fail "the upgrade forgot the Start-menu folder chosen: $(cd "$programs" && find . -name '*.lnk')"
[ "$(value "$entry" DisplayVersion)" = "REG_SZ $version" ] ||
    fail "after the upgrade the entry's version is '$(value "$entry" DisplayVersion)'"
diff <(installed_files) <(cd "$work/portable/$name" && find . -type f | sort) ||
    fail "after the upgrade the installed folder is not the newer version's"
rm "$installed/bin/quarrow-book.exe"
install "$installer"
[ -f "$installed/bin/quarrow-book.exe" ] || fail "installing the same version again did not repair it"
[ "$(run reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' | grep -c 'Quarrow')" = 1 ] ||
    fail "more than one Add/Remove Programs entry"
uninstall
[ -z "$(left)" ] || fail "left after uninstalling the upgrade: $(left)"

# Report files of another program: installing offers the program for them and leaves their
# type as it was; uninstalling takes away only what installing added.
stk='HKLM\Software\Classes\.stk'
run reg add "$stk" /ve /d OtherApp.Document /f >/dev/null
run reg add "$stk" /v "Content Type" /d text/x-other-stakes /f >/dev/null
run reg add "$stk\OpenWithProgids" /v OtherApp.Document /d "" /f >/dev/null
other=$(run reg query "$stk" /s | tr -d '\r')
install "$installer"
[ "$(value "$stk")" = "REG_SZ OtherApp.Document" ] ||
    fail "installing took over another program's report files: $(value "$stk")"
run reg query "$stk\OpenWithProgids" /v QuarrowPrintBook.ReportFile >/dev/null 2>&1 ||
    fail "the program is not offered for report files"
uninstall
[ "$(run reg query "$stk" /s | tr -d '\r')" = "$other" ] ||
    fail "uninstalling changed another program's report files: $(run reg query "$stk" /s)"
echo "Windows installer and ZIP checked: installed, opened, upgraded, repaired, removed, and beside another program's report files."
