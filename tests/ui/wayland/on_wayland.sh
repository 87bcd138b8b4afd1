#!/bin/bash
# Starts a private headless Wayland compositor (weston, its own runtime
# folder and socket, at the given output scale), a session bus with the
# accessibility bus, and the calculator on Qt's Wayland plugin; then
# drive.py presses its keys and reads it over AT-SPI, a second start hands
# over to it, a screenshot is taken, and positions_test runs on the same
# compositor.
#   on_wayland.sh SCALE spanwright positions_test    exit 0 pass, 1 fail, 77 skipped
# Screenshots are kept in $SPANWRIGHT_SCREENSHOTS when that names a folder.
# A missing tool skips with the reason; under CI (CI=true) that is a failure.
set -u
scale=$1 program=$2 positions_test=$3
skip() {
  if [ "${CI:-}" = true ]; then echo "failed: $1, and CI must run the Wayland test"; exit 1; fi
  echo "skipped: $1"; exit 77
}
for tool in weston weston-screenshooter dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[ -e /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so ] ||
  [ -n "$(find /usr/lib -path '*qt6/plugins/platforms/libqwayland-generic.so' -print -quit 2>/dev/null)" ] ||
  skip "qt6-wayland is not installed"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"

tmp=$(mktemp -d)
trap 'kill $weston 2>/dev/null; wait $weston 2>/dev/null; rm -rf "$tmp"' EXIT
export HOME=$tmp XDG_CONFIG_HOME=$tmp/.config XDG_RUNTIME_DIR=$tmp/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY QT_QPA_PLATFORM
# --use-pixman: the headless backend's default renderer draws nothing, so a
# screenshot would be empty. --debug lets any client take screenshots.
weston --backend=headless-backend.so --use-pixman --debug --idle-time=0 --socket=wayland-test \
       --width=640 --height=480 --scale="$scale" >"$tmp/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/wayland-test" ] && break; sleep 0.05; done
[ -S "$XDG_RUNTIME_DIR/wayland-test" ] || { cat "$tmp/weston.log"; skip "weston did not start"; }
export WAYLAND_DISPLAY=wayland-test

dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & sleep 1
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$0" >"$HOME/program.log" 2>&1 & app=$!
  export PROGRAM=$0 PROGRAM_PID=$app
  OUTPUT_SCALE=$2 timeout 40 /usr/bin/python3 "$1"; status=$?
  kill $app 2>/dev/null; wait $app 2>/dev/null; exit $status
' "$program" "$(dirname "$0")/drive.py" "$scale" 2> >(grep -v "fd limit" >&2)
status=$?
if [ $status -ne 0 ]; then echo "--- program output:"; cat "$tmp/program.log"; fi

# The saved positions on this compositor, by the window classes themselves.
# Under the leak checker the Wayland client library's own leftovers are not
# counted (lsan.supp); anything of ours still is.
LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "$0")/lsan.supp" \
  QT_QPA_PLATFORM=wayland timeout 60 "$positions_test" || status=1
exit $status
