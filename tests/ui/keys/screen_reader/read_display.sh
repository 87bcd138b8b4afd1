#!/bin/bash
# Starts the calculator on a private Xvfb with its own session and AT-SPI bus
# (settings in a throw-away HOME) and runs read_display.py against it.
#   read_display.sh path/to/spanwright    exit 0 pass, 1 fail, 77 skipped
# scripts/test installs what it needs. A tool missing skips the test with the
# reason; under CI (CI=true) that is a failure, so CI never passes unread.
set -u
skip() {
  if [ "${CI:-}" = true ]; then echo "failed: $1, and CI must run the screen-reader test"; exit 1; fi
  echo "skipped: $1"; exit 77
}
for tool in Xvfb dbus-run-session xdotool /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
tmp=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$tmp"' EXIT
export HOME=$tmp XDG_CONFIG_HOME=$tmp/.config XDG_RUNTIME_DIR=$tmp/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The desktop's "open" for a web address: writes down what it was given.
mkdir "$tmp/bin"
printf '#!/bin/sh\necho "$1" >> "%s/opened"\n' "$tmp" > "$tmp/bin/xdg-open"
chmod +x "$tmp/bin/xdg-open"
export PATH=$tmp/bin:$PATH OPENED=$tmp/opened
exec 3<> "$tmp/displayfd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$tmp/displayfd" ] && break; sleep 0.1; done
[ -s "$tmp/displayfd" ] || skip "Xvfb did not start"
export DISPLAY=:$(head -n1 "$tmp/displayfd")
dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & sleep 1
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$0" >/dev/null 2>&1 & app=$!; sleep 3
  timeout 60 /usr/bin/python3 "$1"; status=$?
  kill $app; exit $status
' "$1" "$(dirname "$0")/read_display.py" 2> >(grep -v "fd limit" >&2)
