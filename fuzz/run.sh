#!/bin/bash
# Runs the file service's fuzz target: run.sh BUILD_DIR [RUNS]. The corpus grows in
# BUILD_DIR/fuzz-corpus; a crash leaves its input in BUILD_DIR.
set -euo pipefail
build=$1
runs=${2:-1000000}
mkdir -p "$build/fuzz-corpus"
cd "$build"
exec ./bin/fuzz_lan_session -runs="$runs" -max_len=4096 -timeout=10 fuzz-corpus
