#!/bin/bash
# seeds_check.sh GENERATOR: the committed seeds are those the seed generator makes of the shipped
# installation now (`make fuzz-seeds` writes them again): every file it makes is in fuzz/corpus
# with the same bytes. The store tables carry the time they were made, which is left out.
set -euo pipefail
generator=$1
corpus=$(cd "$(dirname "$0")" && pwd)/corpus
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$generator" "$work/corpus" >"$work/log" 2>&1 || {
    cat "$work/log"
    exit 1
}
without_time() { sed -E 's/"[0-9]{12}"/"TIME"/g' "$1"; }
status=0
while IFS= read -r -d '' made; do
    name=${made#"$work/corpus/"}
    if [ ! -f "$corpus/$name" ]; then
        echo "not committed: fuzz/corpus/$name"
        status=1
    elif ! cmp -s <(without_time "$made") <(without_time "$corpus/$name"); then
        echo "differs from what the generator makes: fuzz/corpus/$name"
        status=1
    fi
done < <(find "$work/corpus" -type f -print0)
[ "$status" -eq 0 ] || echo "make fuzz-seeds writes the seeds again"
exit "$status"
