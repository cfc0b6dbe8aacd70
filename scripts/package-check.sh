#!/usr/bin/env bash
# Builds the Debian package and checks it as a user meets it: lintian, the desktop entry and
# the AppStream data are validated, the package is installed, quarrow-book turns the
# installed samples into their report files, report files (*.stk) are a file type that opens
# in the desktop program, which shows the book of one it is given, under Xvfb with a window
# manager; and after purging nothing the package installed is left.
# It installs and purges quarrow-print-book on this machine, through sudo when not root.
# A package left installed, by an earlier run that failed for instance, is purged first.
# Usage: scripts/package-check.sh [BUILD_DIR]   (default build-package)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-package}
package=quarrow-print-book
app_id=io.github.quarrow.PrintBook
start=$SECONDS

step() { printf '\n== %s\n' "$*"; }
fail() { printf '\nPackage check FAILED: %s\n' "$*" >&2; exit 1; }
state() { dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true; }

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
work=$(mktemp -d)
trap 'stop_display 2>/dev/null; rm -rf "$work"' EXIT

./scripts/install-deps.sh --package

if [ -n "$(state)" ] && [ "$(state)" != not-installed ]; then
    step "Purging the $package found before the check ($(state))"
    $sudo apt-get purge -y "$package"
fi

step "Building the package"
make package PACKAGE_DIR="$build_dir"
build_dir=$(cd "$build_dir" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
deb="$build_dir/${package}_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "make package wrote no $deb"
dpkg-deb --info "$deb"

step "lintian"
lintian --fail-on error,warning --display-info "$deb" || fail "lintian found errors or warnings"
echo "lintian: no errors or warnings"

step "Validating the desktop entry and the AppStream data"
dpkg-deb -x "$deb" "$work/contents"
desktop-file-validate "$work/contents/usr/share/applications/$app_id.desktop" ||
    fail "desktop-file-validate refused $app_id.desktop"
echo "$app_id.desktop: valid"
appstreamcli validate --no-net "$work/contents/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "appstreamcli refused $app_id.metainfo.xml"

step "Installing $deb"
$sudo apt-get install -y "$deb"
[ "$(state)" = installed ] || fail "$package is not installed after apt-get install"

step "quarrow-book from PATH on the installed samples"
[ "$(command -v quarrow-book)" = /usr/bin/quarrow-book ] ||
    fail "quarrow-book on PATH is '$(command -v quarrow-book)', not /usr/bin/quarrow-book"
[ "$(quarrow-book --version)" = "quarrow-book $version" ] ||
    fail "quarrow-book --version says '$(quarrow-book --version)', not the package's $version"
# A listing's work files are written beside it, so each listing is copied first.
for sample in sr22-undivided us97-divided; do
    cp "/usr/share/doc/$package/samples/$sample.txt" "$work/"
    quarrow-book "$work/$sample.txt" --stk "$work/$sample.stk" ||
        fail "quarrow-book failed on $sample.txt"
    cmp "$work/$sample.stk" "samples/$sample.stk" ||
        fail "the report file of $sample.txt differs from samples/$sample.stk"
    echo "$sample.txt gives samples/$sample.stk byte for byte"
done

step "Report files open in the desktop program"
grep -qx "application/x-quarrow-report:\*.stk" /usr/share/mime/globs ||
    fail "the desktop's file types do not know report files (*.stk)"
grep -q "^application/x-quarrow-report=.*$app_id.desktop" /usr/share/applications/mimeinfo.cache ||
    fail "report files are not offered to open in $app_id.desktop"
# The desktop entry's command for a report file, on a desktop of the check's own: the program
# shows its main window and, once the numbers are typed, Preview shows the book of the file.
command=$(sed -n 's/^Exec=//p' "/usr/share/applications/$app_id.desktop")
cp samples/sr22-undivided.stk "$work/book.stk"
. tests/windows/display.sh
start_display "$work"
${command/\%f/$work/book.stk} & pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --classname "^quarrow$" | head -n 1) ||
    fail "$command showed no window within 30 s"
echo "Main window: \"$(xdotool getwindowname "$window")\""
xdotool windowactivate --sync "$window" type --delay 50 104
xdotool key Return type --delay 50 2207
xdotool key --delay 200 Return Tab Tab Return
timeout 10 xdotool search --sync --onlyvisible --name "^Select Font and a Printer$" >/dev/null &&
    xdotool key --delay 200 Return Return Return
shown=$(timeout 10 xdotool search --sync --onlyvisible --name "^Display Report$") || true
kill "$pid" && wait "$pid" || true
stop_display
[ -n "$shown" ] || fail "$command with a report file did not show its book"
echo "$command: the book of book.stk shown"

step "Purging $package"
dpkg -L "$package" > "$work/files"
$sudo apt-get purge -y "$package"
[ -z "$(state)" ] || [ "$(state)" = not-installed ] ||
    fail "$package is still known to dpkg after apt-get purge ($(state))"
left=()
while IFS= read -r path; do
    if [ -f "$path" ] || [ -L "$path" ]; then
        left+=("$path")
    fi
done < "$work/files"
[ ${#left[@]} -eq 0 ] || fail "left after purging: ${left[*]}"
echo "None of the $(wc -l < "$work/files") paths the package installed is left as a file."

echo
echo "Package check passed in $((SECONDS - start)) s: $deb"
