#!/usr/bin/env bash
# A print system of the tests' own: a CUPS scheduler with its own folder and socket, never
# the machine's, and two virtual printers that write each job, as the PDF the program sent,
# to a file in FOLDER/out: "PDF" (US Letter, the default printer) and "PDF-A4" (A4).
#
#   printsystem.sh start FOLDER    starts it; clients reach it with CUPS_SERVER=FOLDER/cups.sock
#   printsystem.sh stop FOLDER     stops it
#
# Needs cupsd and lpadmin (Debian's cups-daemon and cups-client, which scripts/install-deps.sh
# installs). Fails, saying why, when the scheduler cannot start.
set -euo pipefail

action=${1:?usage: printsystem.sh start|stop FOLDER}
folder=${2:?usage: printsystem.sh start|stop FOLDER}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$folder"
folder=$(cd "$folder" && pwd)

# Ends the scheduler whose pid FILE holds, waiting for it to be gone.
end_scheduler() {
    local pid
    pid=$(cat "$1" 2>/dev/null) || return 0
    rm -f "$1"
    kill "$pid" 2>/dev/null || return 0
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
}

stop() {
    end_scheduler "$folder/cupsd.pid"
    if [ -f "$folder/runs-in" ]; then
        rm -rf "$(cat "$folder/runs-in")"
        rm -f "$folder/runs-in"
    fi
    # Links to the folder under /tmp, or a build folder's own from before the scheduler ran there.
    rm -rf "$folder/cups.sock" "$folder/out"
}

# A run whose build folder no longer names it was left by a run that was killed before it
# could stop its scheduler: it is stopped now.
stop_abandoned() {
    local run owner
    for run in /tmp/quarrow-cups/*/; do
        run=${run%/}
        owner=$(cat "$run/owner" 2>/dev/null) || continue
        [ "$(cat "$owner/runs-in" 2>/dev/null)" = "$run" ] && continue
        end_scheduler "$run/cupsd.pid"
        rm -rf "$run"
    done
}

if [ "$action" = stop ]; then
    stop
    exit 0
fi
[ "$action" = start ] || { echo "usage: printsystem.sh start|stop FOLDER" >&2; exit 2; }
for tool in cupsd lpadmin lpstat; do
    command -v "$tool" >/dev/null || [ -x "/usr/sbin/$tool" ] ||
        { echo "printsystem.sh: $tool is missing: run scripts/install-deps.sh" >&2; exit 1; }
done
export PATH=$PATH:/usr/sbin

# Makes the scheduler's folder RUN: its configuration, its programs and its printers' folder.
prepare() {
    local run=$1 socket=$1/cups.sock
    mkdir -p "$run"/{conf/ppd,spool,state,cache,log,out,tmp,bin/filter}
    # The scheduler's programs, a filter that hands the job's PDF to the device unchanged, and
    # one that turns a PostScript job (Windows' print path under Wine sends PostScript) into
    # PDF with Ghostscript.
    for part in backend daemon notifier; do
        ln -s "/usr/lib/cups/$part" "$run/bin/$part"
    done
    printf '#!/bin/sh\nexec cat "${6:--}"\n' >"$run/bin/filter/quarrow-pdf"
    printf '#!/bin/sh\nexec ps2pdf "${6:--}" -\n' >"$run/bin/filter/quarrow-ps2pdf"
    chmod 755 "$run/bin/filter/quarrow-pdf" "$run/bin/filter/quarrow-ps2pdf"
    # The scheduler runs jobs as the user lp, which writes the output files.
    chmod 1777 "$run/out" "$run/tmp"
    chmod 755 "$run"
    cat >"$run/conf/cupsd.conf" <<CONF
Listen $socket
LogLevel ${QUARROW_CUPS_LOGLEVEL:-warn}
Browsing No
WebInterface No
DefaultAuthType None
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    cat >"$run/conf/cups-files.conf" <<CONF
ServerRoot $run/conf
RequestRoot $run/spool
StateDir $run/state
CacheDir $run/cache
TempDir $run/tmp
ErrorLog $run/log/error_log
AccessLog $run/log/access_log
PageLog $run/log/page_log
ServerBin $run/bin
FileDevice Yes
Sandboxing Relaxed
CONF
}

# Runs lpadmin, again for a few seconds while the scheduler, answering already, cannot yet
# take it ("Unable to connect to server: Bad file descriptor" on a busy machine). lpadmin
# warns that printer drivers (PPD files) are deprecated; they still serve here.
queue() {
    local error
    for _ in $(seq 20); do
        error=$(lpadmin "$@" 2>&1 >/dev/null) && return 0
        sleep 0.25
    done
    grep -v "deprecated" <<<"$error" >&2
    return 1
}

# Starts the scheduler in a new folder under /tmp and adds the printers; says why and
# returns 1 when it cannot.
start_once() {
    # CUPS takes no blank in the names in its configuration, and a socket's name is short:
    # the scheduler runs in a folder of its own under /tmp, whose socket and output folder
    # FOLDER links to.
    local run
    run=$(mktemp -d /tmp/quarrow-cups/XXXXXX)
    echo "$folder" >"$run/owner"
    echo "$run" >"$folder/runs-in"
    ln -s "$run/cups.sock" "$folder/cups.sock"
    ln -s "$run/out" "$folder/out"
    prepare "$run"
    cupsd -c "$run/conf/cupsd.conf" -s "$run/conf/cups-files.conf" -f \
        </dev/null >"$run/log/cupsd.out" 2>&1 &
    echo $! | tee "$run/cupsd.pid" >"$folder/cupsd.pid"

    export CUPS_SERVER=$run/cups.sock
    for _ in $(seq 50); do
        lpstat -r >/dev/null 2>&1 && break
        sleep 0.1
    done
    if ! lpstat -r >/dev/null 2>&1; then
        echo "printsystem.sh: the CUPS scheduler did not start; its log:" >&2
        cat "$run/log/error_log" "$run/log/cupsd.out" >&2 2>/dev/null || true
        return 1
    fi
    queue -p PDF -E -v "file://$run/out/PDF.pdf" -P "$here/quarrow-test.ppd" &&
        queue -p PDF-A4 -E -v "file://$run/out/PDF-A4.pdf" -P "$here/quarrow-test.ppd" \
            -o PageSize=A4 &&
        queue -d PDF
}

stop
stop_abandoned
mkdir -p /tmp/quarrow-cups
if ! start_once; then
    echo "printsystem.sh: the print system did not start; trying once more" >&2
    stop
    start_once || { stop; echo "printsystem.sh: the print system did not start" >&2; exit 1; }
fi
echo "print system started: CUPS_SERVER=$folder/cups.sock"
