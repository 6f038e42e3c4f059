#!/usr/bin/env bash
# Records the answers of the Windows profile functions to the generated cases: builds the driver
# for Windows with MinGW, runs it under Wine and writes windows_answers.txt beside this script,
# then compares the suite's functions with the new answers (the driver built in BUILD_DIR).
# Installs Wine and MinGW when they are missing; CI never needs them, it only compares.
#
#   record.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:?usage: record.sh BUILD_DIR}
# The series the test compares: change them only together with a new recording.
seed=1
cases=1200

missing=()
command -v x86_64-w64-mingw32-gcc >/dev/null || missing+=(gcc-mingw-w64-x86-64)
[ -x /usr/lib/wine/wine64 ] || missing+=(wine64)
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
# Wine takes the ANSI code page from the locale; C gives Windows-1252, the code page the suite
# uses when the installation names none.
export LC_ALL=C
cleanup() {
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

x86_64-w64-mingw32-gcc -std=c11 -O2 -Wall -Wextra -Werror -o "$work/profile_driver.exe" \
    "$here/profile_driver.c" "$here/profile_cases.c" "$here/answer_text.c"
mkdir "$work/cases"
/usr/lib/wine/wine64 "$work/profile_driver.exe" "Z:${work//\//\\}\\cases" "$seed" "$cases" \
    >"$work/answers.txt"
mv "$work/answers.txt" "$here/windows_answers.txt"
python3 "$here/compare_answers.py" "$build/bin/ini_profile_driver" "$here/windows_answers.txt"
