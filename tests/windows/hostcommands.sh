#!/usr/bin/env bash
# Runs, on the build machine, the commands that tests of the Windows build ask for under Wine,
# which cannot start the build machine's programs (poppler's tools, CUPS's):
#
#   hostcommands.sh start FOLDER   starts the runner; tests find FOLDER in QUARROW_HOST_COMMANDS
#   hostcommands.sh stop FOLDER    stops it
#
# A test writes one shell command to FOLDER/N.cmd; the runner runs it and writes its exit
# status to FOLDER/N.status. Names on Wine's drives (C:\..., Z:\...) are taken as the folders
# of the Wine prefix's drives (WINEPREFIX) that they stand for.
set -uo pipefail
action=${1:?usage: hostcommands.sh start|stop FOLDER}
folder=${2:?usage: hostcommands.sh start|stop FOLDER}

case $action in
start)
    mkdir -p "$folder"
    rm -f "$folder"/*.cmd "$folder"/*.status "$folder"/*.new
    nohup "$0" serve "$folder" >/dev/null 2>&1 &
    echo $! >"$folder/runner.pid"
    ;;
stop)
    kill "$(cat "$folder/runner.pid" 2>/dev/null)" 2>/dev/null || true
    rm -f "$folder/runner.pid"
    ;;
serve)
    drives=${WINEPREFIX:?the Wine prefix of the tests}/dosdevices
    while sleep 0.05; do
        for request in "$folder"/*.cmd; do
            [ -e "$request" ] || continue
            # The folder's name is taken as it stands, whatever characters it holds.
            command=$(DRIVES=$drives perl -pe \
                's{\\}{/}g; s{(^|[^\w\$])([[:alpha:]]):/}{$1$ENV{DRIVES}/\l$2:/}g' "$request")
            sh -c "$command" </dev/null
            echo $? >"${request%.cmd}.new"
            mv "${request%.cmd}.new" "${request%.cmd}.status"
            rm -f "$request"
        done
    done
    ;;
*)
    echo "usage: hostcommands.sh start|stop FOLDER" >&2
    exit 2
    ;;
esac
