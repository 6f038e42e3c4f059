#!/usr/bin/env bash
# Starts the suite on a freshly staged demo installation below the build folder.
set -euo pipefail
build=${1:?build folder}
shift || true
bin="$build/bin"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display is available to show the suite's windows."
    echo "Run it headless under a virtual display instead:  xvfb-run -a make run"
    exit 1
fi

if [ ! -x "$bin/TK73HUB" ]; then
    echo "The main shell is not built yet; nothing to start."
    echo "Built so far: $(ls "$bin" 2>/dev/null | tr '\n' ' ')"
    exit 0
fi
