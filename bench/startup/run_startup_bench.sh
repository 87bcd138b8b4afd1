#!/usr/bin/env bash
# Runs the start-up benchmark under a private Xvfb (no window manager), a
# throw-away HOME and one dbus session.
# Usage: bench/startup/run_startup_bench.sh BUILD_DIR [runs]
set -euo pipefail
build=$(realpath "$1")
runs=${2:-31}

home=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$home"' EXIT
mkdir -p "$home/runtime" && chmod 700 "$home/runtime"

displayfile="$home/display"
Xvfb -displayfd 1 -nolisten tcp -screen 0 1280x1024x24 >"$displayfile" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.05; done
display=":$(head -n1 "$displayfile")"

env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$home/runtime" XDG_CONFIG_HOME="$home/.config" \
    DISPLAY="$display" QT_QPA_PLATFORM=xcb \
    dbus-run-session -- "$build/bench/startup/startup_bench" "$runs" \
    "$build/app/spanwright" "$build/bench/startup/startup_floor"
