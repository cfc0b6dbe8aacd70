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

stop() {
    if [ -f "$folder/cupsd.pid" ]; then
        kill "$(cat "$folder/cupsd.pid")" 2>/dev/null || true
        rm -f "$folder/cupsd.pid"
    fi
    if [ -f "$folder/runs-in" ]; then
        rm -rf "$(cat "$folder/runs-in")"
        rm -f "$folder/runs-in"
    fi
    # Links to the folder under /tmp, or a build folder's own from before the scheduler ran there.
    rm -rf "$folder/cups.sock" "$folder/out"
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

stop
# CUPS takes no blank in the names in its configuration, and a socket's name is short: the
# scheduler runs in a folder of its own under /tmp, whose socket and output folder FOLDER
# links to.
mkdir -p /tmp/quarrow-cups
run=$(mktemp -d /tmp/quarrow-cups/XXXXXX)
echo "$run" >"$folder/runs-in"
ln -s "$run/cups.sock" "$folder/cups.sock"
ln -s "$run/out" "$folder/out"
socket=$run/cups.sock
folder_of_files=$folder
folder=$run
mkdir -p "$folder"/{conf/ppd,spool,state,cache,log,out,tmp,bin/filter}
# The scheduler's programs, a filter that hands the job's PDF to the device unchanged, and
# one that turns a PostScript job (Windows' print path under Wine sends PostScript) into PDF
# with Ghostscript.
for part in backend daemon notifier; do
    ln -s "/usr/lib/cups/$part" "$folder/bin/$part"
done
printf '#!/bin/sh\nexec cat "${6:--}"\n' >"$folder/bin/filter/quarrow-pdf"
printf '#!/bin/sh\nexec ps2pdf "${6:--}" -\n' >"$folder/bin/filter/quarrow-ps2pdf"
chmod 755 "$folder/bin/filter/quarrow-pdf" "$folder/bin/filter/quarrow-ps2pdf"
# The scheduler runs jobs as the user lp, which writes the output files.
chmod 1777 "$folder/out" "$folder/tmp"
chmod 755 "$folder"

cat >"$folder/conf/cupsd.conf" <<CONF
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
cat >"$folder/conf/cups-files.conf" <<CONF
ServerRoot $folder/conf
RequestRoot $folder/spool
StateDir $folder/state
CacheDir $folder/cache
TempDir $folder/tmp
ErrorLog $folder/log/error_log
AccessLog $folder/log/access_log
PageLog $folder/log/page_log
ServerBin $folder/bin
FileDevice Yes
Sandboxing Relaxed
CONF

cupsd -c "$folder/conf/cupsd.conf" -s "$folder/conf/cups-files.conf" -f \
    </dev/null >"$folder/log/cupsd.out" 2>&1 &
echo $! >"$folder_of_files/cupsd.pid"

export CUPS_SERVER=$socket
for _ in $(seq 50); do
    lpstat -r >/dev/null 2>&1 && break
    sleep 0.1
done
if ! lpstat -r >/dev/null 2>&1; then
    echo "printsystem.sh: the CUPS scheduler did not start; its log:" >&2
    cat "$folder/log/error_log" >&2 2>/dev/null || true
    folder=$folder_of_files
    stop
    exit 1
fi
# lpadmin warns that printer drivers (PPD files) are deprecated; they still serve here.
queue() { lpadmin "$@" 2> >(grep -v "deprecated" >&2); }
queue -p PDF -E -v "file://$folder/out/PDF.pdf" -P "$here/quarrow-test.ppd"
queue -p PDF-A4 -E -v "file://$folder/out/PDF-A4.pdf" -P "$here/quarrow-test.ppd" -o PageSize=A4
queue -d PDF
echo "print system started: CUPS_SERVER=$folder_of_files/cups.sock"
