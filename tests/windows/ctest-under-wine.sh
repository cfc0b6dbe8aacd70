#!/usr/bin/env bash
# Runs CTest on a Windows build under Wine. Wine now and then drops a program as it starts,
# before it has run a line: a test that failed without printing anything is run again, twice
# at most; a test that failed and said why is not, however it might do a second time. Prints
# how many tests were run again, and exits 1 when any test failed in the end.
# Usage: ctest-under-wine.sh BUILD_DIR [CTEST_ARGUMENTS...]
set -uo pipefail
build=${1:?usage: ctest-under-wine.sh BUILD_DIR [CTEST_ARGUMENTS...]}
shift
log="$build/Testing/Temporary/LastTest.log"
failed_log="$build/Testing/Temporary/LastTestsFailed.log"

# The tests that failed in the last run, one a line.
failed() { [ -f "$failed_log" ] && cut -d: -f2- "$failed_log"; true; }
# Of those, the ones that printed nothing.
silent() {
    awk '/^[0-9]+\/[0-9]+ Test: / { name = $3 }
         /^Output:/ { getline; reading = 1; next }
         /^<end of output>/ { reading = 0 }
         reading && NF { printed[name] = 1 }
         /^Test Failed\./ && !(name in printed) { print name }' "$log"
}

# CTest leaves the list of failed tests of an earlier run where a run passes.
run() { rm -f "$failed_log"; ctest --test-dir "$build" "$@"; }

run "$@"
still=$(failed)
retried=0
for _ in 1 2; do
    again=$(silent | sort -u)
    [ -n "$again" ] || break
    retried=$((retried + $(wc -l <<<"$again")))
    echo "Run again, as Wine dropped them as they started: $(tr '\n' ' ' <<<"$again")"
    run "$@" -R "^($(paste -sd'|' <<<"$again"))\$"
    still=$( (grep -vxF -f <(echo "$again") <<<"$still"; failed) | sort -u | sed '/^$/d')
done
echo "Tests run again after Wine dropped them at their start: $retried"
if [ -n "$still" ]; then
    echo "Failed under Wine: $(tr '\n' ' ' <<<"$still")"
    exit 1
fi
