#!/usr/bin/env bash
# The desktop program of the Windows build on Wine's own window system, driven as a user
# drives it, with real key presses, under Xvfb with a window manager (1366x768):
# project and control numbers, File Browse to a listing in a folder named with letters
# beyond ASCII, Preview, the font and printer dialog, the display window, paging, PrintAll on
# the tests' own print system, Save Report, End and Close. The report file saved must be the
# sample's, and the print job the whole book.
#
# Usage: desktopflow.sh BUILD_BIN WINE PRINT_SYSTEM
#   BUILD_BIN     folder of quarrow.exe with its DLLs
#   WINE          the wine program (the Wine prefix is WINEPREFIX's)
#   PRINT_SYSTEM  folder of the tests' own print system (printsystem.sh), already started
# With QUARROW_SCREENSHOTS naming a folder, the main window and the display window are saved
# there as wine-main-window.png and wine-display-window.png.
set -euo pipefail
bin=${1:?usage: desktopflow.sh BUILD_BIN WINE PRINT_SYSTEM}
wine=${2:?}
print_system=${3:?}
screenshots=${QUARROW_SCREENSHOTS:-}
here=$(cd "$(dirname "$0")" && pwd)
samples=$(cd "$here/../../samples" && pwd)
: "${WINEPREFIX:?the Wine prefix of the tests}"

work=$(mktemp -d)
folder="$work/łódź données"
mkdir -p "$folder"
cp "$samples/sr22-undivided.txt" "$folder/sr22.txt"

# Keys go only to a display of the check's own: the one of the Wine server that runs the
# program, which scripts/windows-check.sh starts with it, or else one of the flow's own, with
# a Wine server of its own. Never the display it was started from: a user's desktop, say.
. "$here/display.sh"
if [ -n "${QUARROW_TEST_DISPLAY:-}" ]; then
    export DISPLAY=$QUARROW_TEST_DISPLAY
else
    "$(dirname "$wine")/wineserver" --kill 2>/dev/null || true
    start_display "$work"
fi
program=""
cleanup() {
    # The program runs under Wine's server: its Windows process is ended by its name.
    [ -z "$program" ] || pkill -f "$bin/quarrow.exe" || true
    stop_display
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    local screen
    screen=$(mktemp --suffix=.png "${TMPDIR:-/tmp}/desktopflow-failure-XXXXXX")
    import -window root "$screen" 2>/dev/null
    echo "desktopflow.sh: $*; the screen: $screen" >&2
    exit 1
}

# Waits for a window of that title and gives it the focus.
window() {
    local id
    id=$(timeout 60 xdotool search --sync --onlyvisible --name "^$1\$" | tail -n 1) ||
        fail "no window \"$1\""
    xdotool windowactivate --sync "$id" 2>/dev/null || true
    sleep 0.5
    echo "$id"
}

# Waits for a file dialog of Windows to have the focus and gives its window: the program sets
# no title on it.
file_dialog() {
    local id
    for _ in $(seq 100); do
        if id=$(xdotool getactivewindow 2>/dev/null) && [ -z "$(xdotool getwindowname "$id")" ]; then
            sleep 0.5
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    fail "no file dialog"
}

# Presses Enter in the file dialog until it is gone: the first Enter may only take the name
# that Windows' autocompletion offers.
confirm_file_dialog() {
    for _ in 1 2 3; do
        sleep 0.5
        keys Return
        xwininfo -id "$1" 2>/dev/null | grep -q IsViewable || return 0
    done
    fail "the file dialog did not close"
}

keys() {
    xdotool key --delay 120 "$@"
    sleep 0.7
}

shoot() {
    [ -n "$screenshots" ] || return 0
    import -frame -window "$1" "$screenshots/$2"
}

export CUPS_SERVER="$print_system/cups.sock"
rm -f "$print_system/out/PDF.pdf"
# File Browse first opens in the folder of the last file chosen: the listing's own, whose
# name beyond ASCII is so given to the program whole, rather than typed with keys that a busy
# machine may drop.
LC_ALL=C.UTF-8 WINEDEBUG=-all "$wine" reg add 'HKCU\Software\Quarrow Print Book\Quarrow Print Book' \
    /v lastFolder /d "Z:$folder" /f >/dev/null
# Wine reads the printers once, as the program starts, and may list none while the print
# system is still busy with the tests before: the program starts once the system is idle.
for _ in $(seq 200); do
    busy=$({ lpstat -h "$CUPS_SERVER" -o; lpstat -h "$CUPS_SERVER" -p | grep 'now printing'; } 2>/dev/null || true)
    [ -z "$busy" ] && break
    sleep 0.1
done
(cd "$work" && WINEDEBUG=-all LC_ALL=C.UTF-8 exec "$wine" "$bin/quarrow.exe") &
program=$!

main=$(window "Quarrow Print Book")
xdotool type --delay 80 "104"
keys Tab
xdotool type --delay 80 "2207"
keys Return space
dialog=$(file_dialog)
# xdotool drops a key now and then in a long text, so the name is typed short and slowly.
xdotool type --delay 100 "sr22.txt"
confirm_file_dialog "$dialog"
window "Quarrow Print Book" >/dev/null
shoot "$main" wine-main-window.png
keys Tab Tab space
window "Select Font and a Printer" >/dev/null
keys alt+p
display=$(window "Display Report")
keys Next Next
shoot "$display" wine-display-window.png
keys Prior Prior

# PrintAll: the whole book, one job, on the system's default printer.
keys ctrl+p
window "Quarrow Print Book" >/dev/null
keys Return
for _ in $(seq 100); do [ -s "$print_system/out/PDF.pdf" ] && break; sleep 0.2; done
headers=$(pdftotext -raw "$print_system/out/PDF.pdf" - | grep -c "Page No: ") ||
    fail "no print job reached the print system"
[ "$headers" = 11 ] || fail "the print job holds $headers pages, not 11"

# Save Report, offered beside the listing.
window "Display Report" >/dev/null
keys ctrl+s
dialog=$(file_dialog)
confirm_file_dialog "$dialog"
for _ in $(seq 50); do [ -s "$folder/sr22.stk" ] && break; sleep 0.2; done
cmp "$folder/sr22.stk" "$samples/sr22-undivided.stk" || fail "the report file saved differs"

keys alt+e
window "Quarrow Print Book" >/dev/null
keys alt+F4
for _ in $(seq 50); do kill -0 "$program" 2>/dev/null || break; sleep 0.2; done
kill -0 "$program" 2>/dev/null && fail "the program did not end on Close"
program=""
echo "desktop flow under Wine passed"
