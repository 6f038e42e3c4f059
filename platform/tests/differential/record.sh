#!/usr/bin/env bash
# Records the answers of the Windows profile functions to the generated cases: builds the driver
# for Windows with MinGW and runs it under Wine in a fresh prefix, in code page Windows-1252.
# MinGW and Wine come from scripts/packages.txt (scripts/setup.sh installs them).
#
#   record.sh OUTPUT
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
output=${1:?usage: record.sh OUTPUT}
# The series the test compares: change them only together with a new recording.
seed=1
cases=1200
wine=/usr/lib/wine/wine64

for tool in x86_64-w64-mingw32-gcc "$wine"; do
    if ! command -v "$tool" >/dev/null; then
        echo "record.sh: $tool is missing; scripts/setup.sh installs it" >&2
        exit 2
    fi
done

work=$(mktemp -d)
# Wine keeps everything in its prefix and the home under it: nothing of the user's is touched.
# Its menu builder and the .NET and HTML engines are not wanted for a console program.
export HOME="$work" WINEPREFIX="$work/prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
# Wine takes the ANSI code page from the locale; C gives Windows-1252, the code page the suite
# uses when the installation names none.
export LC_ALL=C
cleanup() {
    WINEPREFIX="$work/prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

x86_64-w64-mingw32-gcc -std=c11 -O2 -Wall -Wextra -Werror -o "$work/profile_driver.exe" \
    "$here/profile_driver.c" "$here/profile_cases.c" "$here/answer_text.c"
mkdir "$work/cases"
"$wine" "$work/profile_driver.exe" "Z:${work//\//\\}\\cases" "$seed" "$cases" \
    >"$work/answers.txt" 2>"$work/wine.log" || {
    cat "$work/wine.log" >&2
    exit 1
}
mv "$work/answers.txt" "$output"
