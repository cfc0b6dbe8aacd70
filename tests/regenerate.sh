#!/usr/bin/env bash
# Writes the expected files of golden cases and recorded pages anew from what the program
# gives now, so that a change of output is reviewed as a diff. Never run by CI.
# usage: tests/regenerate.sh [BUILD_DIR] [GTEST_FILTER]   e.g. tests/regenerate.sh build '*metric*'
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target engine_tests
QUARROW_REGENERATE=1 "$build/tests/engine_tests" --gtest_filter="${2:-*}" --gtest_brief=1
git status --short tests/data
