#!/usr/bin/env bash
# ctest-under-wine.sh runs again only the tests that failed without a word, as Wine's dropped
# starts do, or for want of the print system, and says how many: a test that failed saying
# any other why fails the run even where a second run would pass it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.22)
project(dropped NONE)
enable_testing()
add_test(NAME said-why COMMAND sh -c "[ -e said ] || { touch said; echo 'wrong page'; exit 1; }")
add_test(NAME dropped-once COMMAND sh -c "[ -e dropped ] || { touch dropped; exit 1; }")
add_test(NAME no-printer-once COMMAND sh -c "[ -e seen ] || { touch seen; echo 'the test print system is not running'; exit 1; }")
add_test(NAME passes COMMAND true)
CMAKE
cmake -S "$work" -B "$work/build" >/dev/null
status=0
said=$("$here/ctest-under-wine.sh" "$work/build" 2>&1) || status=$?
echo "$said"
[ "$status" = 1 ] || { echo "FAILED: exit status $status, not 1"; exit 1; }
grep -qx "Tests run again after Wine dropped them at their start: 2" <<<"$said" ||
    { echo "FAILED: the dropped test was not run again once"; exit 1; }
grep -qx "Failed under Wine: said-why " <<<"$said" ||
    { echo "FAILED: said-why was not the one failure"; exit 1; }
