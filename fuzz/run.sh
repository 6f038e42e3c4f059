#!/bin/bash
# Runs fuzz targets one after the other: run.sh BUILD_DIR SECONDS [RUNS] [TARGET...], each target
# for SECONDS or RUNS inputs, whichever ends first (every target built in BUILD_DIR/bin when none
# is named). Each target's corpus grows in BUILD_DIR/fuzz-corpus/<name>, starting from the
# checked-in seeds in fuzz/corpus/<name>; an input that crashes is left in BUILD_DIR. Stops at
# the first target that finds something.
set -euo pipefail
build=$(cd "$1" && pwd)
seconds=$2
runs=${3:-1000000}
shift $(($# < 3 ? $# : 3))
seeds=$(cd "$(dirname "$0")" && pwd)/corpus
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for program in "$build"/bin/fuzz_*; do
        targets+=("${program##*/fuzz_}")
    done
fi
cd "$build"
for name in "${targets[@]}"; do
    mkdir -p "fuzz-corpus/$name"
    corpora=("fuzz-corpus/$name")
    if [ -d "$seeds/$name" ]; then
        corpora+=("$seeds/$name")
    fi
    echo "== fuzz_$name: $seconds s or $runs inputs"
    status=0
    nice ./bin/"fuzz_$name" -runs="$runs" -max_total_time="$seconds" -timeout=10 \
        -print_final_stats=1 "${corpora[@]}" >"fuzz-$name.log" 2>&1 || status=$?
    grep -E '^#[0-9]+.*(DONE|cov:)|^stat::number_of_executed_units|ERROR|SUMMARY|Test unit' \
        "fuzz-$name.log" | tail -n 4
    if [ "$status" -ne 0 ]; then
        echo "fuzz_$name failed (exit $status), log: $build/fuzz-$name.log"
        exit "$status"
    fi
done
