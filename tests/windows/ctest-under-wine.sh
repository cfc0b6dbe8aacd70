#!/usr/bin/env bash
# Runs CTest on a Windows build under Wine. Wine now and then drops a program as it starts,
# before it has run a line, and now and then lists no printer to a program it starts while
# the print system is busy (Wine reads the printers once, as a program starts): a test that
# failed without printing anything, or for want of the print system, is run again, twice at
# most; a test that failed and said any other why is not, however it might do a second time.
# Prints how many tests were run again, and exits 1 when any test failed in the end.
# Usage: ctest-under-wine.sh BUILD_DIR [CTEST_ARGUMENTS...]
set -uo pipefail
build=${1:?usage: ctest-under-wine.sh BUILD_DIR [CTEST_ARGUMENTS...]}
shift
log="$build/Testing/Temporary/LastTest.log"
failed_log="$build/Testing/Temporary/LastTestsFailed.log"

# The tests that failed in the last run, one a line.
failed() { [ -f "$failed_log" ] && cut -d: -f2- "$failed_log"; true; }
# Of those, the ones that printed nothing, or found no print system.
silent() {
    awk '/^[0-9]+\/[0-9]+ Test: / { name = $3 }
         /^Output:/ { getline; reading = 1; next }
         /^<end of output>/ { reading = 0 }
         reading && /the test print system is not running/ { noprinter[name] = 1 }
         reading && NF { printed[name] = 1 }
         /^Test Failed\./ && (!(name in printed) || name in noprinter) { print name }' "$log"
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
    echo "Run again, as Wine dropped them or listed no printer as they started:" \
        "$(tr '\n' ' ' <<<"$again")"
    run "$@" -R "^($(paste -sd'|' <<<"$again"))\$"
    still=$( (grep -vxF -f <(echo "$again") <<<"$still"; failed) | sort -u | sed '/^$/d')
done
echo "Tests run again after Wine dropped them at their start: $retried"
if [ -n "$still" ]; then
    echo "Failed under Wine: $(tr '\n' ' ' <<<"$still")"
    exit 1
fi
