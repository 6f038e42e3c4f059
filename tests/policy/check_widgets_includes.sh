#!/usr/bin/env bash
# Library logic never opens a window: outside ui/ folders, apps/ and tests, no source file may
# include a QtWidgets header. The header names come from the installed QtWidgets module.
set -u
top=${1:?source folder}
cd "$top" || exit 2
widgets_dir=$(find /usr/include -maxdepth 3 -type d -name QtWidgets -path '*qt6*' | head -n 1)
if [ -z "$widgets_dir" ]; then
    echo "QtWidgets headers not found" >&2
    exit 2
fi
names=$(ls "$widgets_dir" | grep -v '\.h$' | grep -v '^QtWidgets' | paste -sd'|')
pattern="^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"](QtWidgets(/[A-Za-z0-9_.]+)?|${names})[>\"]"
files=$(git ls-files '*.cpp' '*.h' '*.hpp' 2>/dev/null || find . -name '*.cpp' -o -name '*.h')
bad=0
for f in $files; do
    case "/$f" in
        */ui/* | /apps/* | */tests/* | /tests/*) continue ;;
    esac
    if grep -n -E "$pattern" "$f"; then
        echo "  ^ $f includes a QtWidgets header outside ui/, apps/ and tests" >&2
        bad=1
    fi
done
exit $bad
