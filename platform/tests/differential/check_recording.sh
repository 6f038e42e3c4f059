#!/usr/bin/env bash
# Records the Windows answers again under Wine and checks that they are, byte for byte, the
# committed ones that the comparison holds the suite's functions against.
#
#   check_recording.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
fresh=$(mktemp)
trap 'rm -f "$fresh"' EXIT
bash "$here/record.sh" "$fresh"
if ! cmp -s "$fresh" "$here/windows_answers.txt"; then
    echo "Wine answers otherwise than windows_answers.txt records (first differences):" >&2
    diff "$here/windows_answers.txt" "$fresh" | head -20 >&2
    exit 1
fi
echo "windows_answers.txt is what Wine answers: $(wc -l <"$fresh") lines"
