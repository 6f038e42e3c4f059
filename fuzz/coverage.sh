#!/bin/bash
# coverage.sh BUILD_DIR TARGET [CORPUS...]: runs a fuzz target of the coverage build
# (`make fuzz-coverage`, clang's source-based coverage) once over every input of its seeds
# (fuzz/corpus/TARGET) and of the further corpus folders, and writes into
# BUILD_DIR/fuzz-coverage/TARGET/ the per-function summary (functions.txt), llvm-cov's summary by
# file (files.txt) and summary.txt: the totals, and each function that fuzz/TARGET.reach lists
# with how often the inputs called it. Fails when one of those was not reached.
set -euo pipefail
build=$(cd "$1" && pwd)
name=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")
program="$build/bin/fuzz_$name"
out="$build/fuzz-coverage/$name"
rm -rf "$out"
mkdir -p "$out/raw"

# The suite's libraries that the target links, and the converter, which the packer loads by name.
objects=()
for library in $(ldd "$program" | awk -v bin="$build/bin/" 'index($3, bin) == 1 { print $3 }'); do
    objects+=(-object "$library")
    if [ "${library##*/}" = libTK73pack.so ]; then
        objects+=(-object "$build/bin/libglconv.so")
    fi
done

# Every input once; files named on its command line are only run, never mutated. The inputs go
# in batches, each process writing its own raw profile.
find "$here/corpus/$name" "$@" -type f -print0 |
    LLVM_PROFILE_FILE="$out/raw/%p.profraw" xargs -0 -r -n 500 \
        "$program" -timeout=60 -rss_limit_mb=4096 >"$out/run.log" 2>&1 ||
    {
        echo "fuzz_$name failed on an input (log: $out/run.log)"
        exit 1
    }
inputs=$(grep -c '^Executed ' "$out/run.log" || true)
llvm-profdata merge -sparse "$out"/raw/*.profraw -o "$out/merged.profdata"
cover=(-instr-profile "$out/merged.profdata" "$program" "${objects[@]}")
# The suite's own sources, without its tests and the fuzz targets themselves. The compiler
# cache names sources from the build folder ("build-fuzz-coverage/../base/...").
top=$(printf '%s' "$source_dir" | sed 's/[.[\*^$()+?{|]/\\&/g')
ignore=(-ignore-filename-regex
    "^/usr/|^$top/(build[^/]*/\.\./)?fuzz/|^$top/build[^/]*/[^.]|/tests/|/testing/")
llvm-cov report "${cover[@]}" "${ignore[@]}" >"$out/files.txt" 2>"$out/llvm-cov.log"
llvm-cov export -format=text "${cover[@]}" "${ignore[@]}" >"$out/export.json" 2>>"$out/llvm-cov.log"
python3 "$here/coverage_summary.py" "$out/export.json" "$here/$name.reach" "$source_dir" \
    "fuzz_$name" "$inputs" "$out"
