#!/usr/bin/env bash
# Runs a command on a desktop of its own: a screen of SIZE (e.g. 1366x768) under Xvfb, with
# the openbox window manager framing its windows.
# Usage: underwm.sh SIZE COMMAND [ARG...]
set -euo pipefail
size=${1:?usage: underwm.sh SIZE COMMAND [ARG...]}
shift
here=$(cd "$(dirname "$0")/.." && pwd)
folder=$(mktemp -d)
. "$here/windows/display.sh"
trap 'stop_display; rm -rf "$folder"' EXIT
start_display "$folder" "$size"
"$@" || { status=$?; report_display "$folder"; exit $status; }
