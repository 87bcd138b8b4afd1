#!/bin/sh
# Runs one row of a Qt Test function as the unprivileged user 65534 and
# passes only when that row passed (not skipped).
# Usage: run_unprivileged.sh PROGRAM FUNCTION ROW
set -eu
program=$1
function=$2
row=$3
if [ "$(id -u)" != 0 ]; then
  echo "skipped: needs root to drop privileges; as an ordinary user the test program runs that row itself"
  exit 77
fi
if ! setpriv --reuid=65534 --regid=65534 --clear-groups true 2>/dev/null; then
  echo "skipped: setpriv cannot change to uid 65534 here"
  exit 77
fi
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# The build folder may not be readable by 65534: run a copy it owns.
cp "$program" "$dir/test"
chown -R 65534:65534 "$dir"
chmod 755 "$dir" "$dir/test"
output=$(cd "$dir" && env -u XDG_RUNTIME_DIR HOME="$dir" TMPDIR="$dir" \
  setpriv --reuid=65534 --regid=65534 --clear-groups "$dir/test" "$function:$row" 2>&1) || true
echo "$output"
echo "$output" | grep "^PASS   : " | grep -qF "::$function($row)"
