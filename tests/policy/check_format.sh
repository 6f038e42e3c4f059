#!/usr/bin/env bash
# Every C++ source of the repository is clang-format clean under the repository's .clang-format.
set -u
top=${1:?source folder}
cd "$top" || exit 2
files=$(git ls-files '*.cpp' '*.h' '*.hpp')
[ -z "$files" ] && exit 0
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files
