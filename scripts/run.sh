#!/usr/bin/env bash
# Starts the suite on the demo installation: the shipped installation is staged afresh below the
# build folder for the chosen user mode, and the registry hives and known folders point there,
# so the demo never touches the real user's settings or documents. The user's data (store
# database, documents, per-user settings) stays in the demo home between runs.
#
# TK73_USER_MODE selects the layout: 0 default (the default), 1 stand-alone, 2 professional.
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
shift || true
bin="$build/bin"
mode=${TK73_USER_MODE:-0}
stage="$build/demo/installation"
home="$build/demo/home"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display is available to show the suite's windows."
    echo "Run it headless under a virtual display instead:  xvfb-run -a make run"
    exit 1
fi

"$bin/tk73stage" "$stage" --mode "$mode" --replace >/dev/null
mkdir -p "$home"/{common,local,documents,temp,config}
export TK73_MACHINE_HIVE="$stage/machine.reg"
export TK73_USER_HIVE="$home/user.reg"
export TK73_COMMON_APPDATA="$home/common"
export TK73_LOCAL_APPDATA="$home/local"
export TK73_DOCUMENTS="$home/documents"
export TK73_TEMP="$home/temp"
# The demo's SD card is a folder below the demo's media folder, which the SD card dialog offers.
export TK73_MEDIA_FOLDERS="$home/media"
card="$TK73_MEDIA_FOLDERS/SDCARD"
mkdir -p "$card"
echo "Demo installation for user mode $mode staged in $stage; user data in $home."
if [ -x "$bin/tk73demo" ]; then
    # The sample shop: its archive on the card (Open loads it), or in the pro layout its store.
    if "$bin/tk73demo" --mode "$mode" --card "$card"; then
        echo "Sample shop ready (SD card folder: $card)."
    else
        echo "The sample shop could not be laid out; the suite starts without it."
    fi
fi

if [ ! -x "$bin/TK73HUB" ]; then
    echo "The main shell is not built yet; nothing to start."
    echo "Programs built so far: $(cd "$bin" && find . -maxdepth 1 -type f -perm -u+x ! -name '*.so*' -printf '%f ' )"
    exit 0
fi
echo "Starting TK73HUB."
exec "$bin/TK73HUB" "$@"
