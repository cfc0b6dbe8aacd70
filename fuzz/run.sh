#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UBSan) and runs each one
# for a bounded time, starting from the committed seeds and the sample files.
#
#   fuzz/run.sh [SECONDS] [TARGET...]
#
# SECONDS is the time per target (default 60); the targets are listing_fuzzer and
# reportfile_fuzzer (default both). The build folder is build-fuzz, or FUZZ_BUILD_DIR.
# Inputs that crash, leak or hang land in <build folder>/artifacts; the run then fails and
# names them. New corpus entries go to <build folder>/corpus, never into the repository.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(listing_fuzzer reportfile_fuzzer)
fi
build=${FUZZ_BUILD_DIR:-build-fuzz}
cxx=${FUZZ_CXX:-clang++-14}

cmake --preset fuzz -B "$build" -DCMAKE_CXX_COMPILER="$cxx" >/dev/null
cmake --build "$build" --target "${targets[@]}"

# The seeds each target starts from besides its own committed ones.
samples_for() {
    case "$1" in
    listing_fuzzer) echo samples/*.txt tests/data/cases/*/input.txt tests/data/cases/*/input.csv ;;
    reportfile_fuzzer) echo samples/*.stk tests/data/cases/*/input.stk ;;
    esac
}

mkdir -p "$build/artifacts"
status=0
for target in "${targets[@]}"; do
    name=${target%_fuzzer}
    corpus="$build/corpus/$name"
    mkdir -p "$corpus"
    for seed in fuzz/corpus/"$name"/* $(samples_for "$target"); do
        copy="$corpus/$(basename "$(dirname "$seed")")-$(basename "$seed")"
        [ -e "$copy" ] || cp "$seed" "$copy"
    done
    echo "== $target: ${seconds}s"
    if ! "$build/fuzz/$target" "$corpus" -dict="fuzz/$name.dict" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$name-" 2>"$build/$name.log"; then
        status=1
        tail -n 60 "$build/$name.log"
        echo "== $target found a fault; the input is in $build/artifacts/$name-*"
    fi
    grep -E '^stat::number_of_executed_units|^Done ' "$build/$name.log" || true
done
exit $status
