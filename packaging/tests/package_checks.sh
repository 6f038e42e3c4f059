#!/usr/bin/env bash
# The package as Debian's tools judge it: lintian finds no error and no warning, the desktop entry
# and the AppStream description pass their validators, and the MIME types read into a database
# without a complaint.
#
# usage: package_checks.sh <folder that holds the package>
set -euo pipefail
trap 'echo "package_checks.sh: line $LINENO failed" >&2' ERR
folder=${1:?folder of the package}
deb=$(find "$folder" -maxdepth 1 -name 'tk73_*.deb')
[ -f "$deb" ] || { echo "no single package in $folder" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/tk73-checks-XXXXXX")
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"
share="$work/root/usr/share"

lintian --fail-on error,warning --tag-display-limit 0 "$deb"
desktop-file-validate "$share/applications/com.kelvo.tk73tool.desktop"
appstreamcli validate --no-net --explain "$share/metainfo/com.kelvo.tk73tool.metainfo.xml"
mkdir -p "$work/mime/packages"
cp "$share/mime/packages/com.kelvo.tk73tool.xml" "$work/mime/packages"
XDG_DATA_DIRS="$work" update-mime-database "$work/mime" 2>&1 | tee "$work/mime.log"
[ ! -s "$work/mime.log" ] || { echo "the MIME types do not read cleanly" >&2; exit 1; }
echo "package_checks.sh: lintian, the desktop entry, the AppStream file and the MIME types pass"
