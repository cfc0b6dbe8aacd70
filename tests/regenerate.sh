#!/usr/bin/env bash
# Writes the expected files of golden cases and recorded pages anew from what the program
# gives now, so that a change of output is reviewed as a diff. Never run by CI: the tests
# regenerate only when this script asks them to.
# usage: tests/regenerate.sh [BUILD_DIR] [CASE]   e.g. tests/regenerate.sh build undivided-metric-cr-line-ends
# Without CASE, every golden case and recorded page is written anew.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
# Test names hold "_" where case folders hold "-".
filter='Cases/*:Recorded/PageLayout.*'
[ $# -ge 2 ] && filter="Cases/*/${2//-/_}"
cmake --build "$build" --target engine_tests
QUARROW_REGENERATE=1 "$build/tests/engine_tests" --gtest_filter="$filter" --gtest_brief=1
git status --short tests/data
