#!/usr/bin/env bash
# The program started against broken settings: none, empty, binary garbage,
# unreadable, read-only, absurd values; settings it must leave alone: 10 MB,
# 2 MiB, a FIFO, a socket, a link to /dev/zero; a lock it cannot take:
# empty, garbage, a folder; beside a stopped copy, and after a kill -9 of
# one. Each case ends once by SIGTERM (offscreen) and once by a close on a
# private Xvfb (close_window.py beside this script). Any sanitizer report,
# crash or failed check fails the run; without Xvfb it is skipped (status
# 77), except under CI=true, where it fails.
#   startup_faults.sh build-asan/app/spanwright   -> "startup: all passed", 0
set -euo pipefail
prog=$1
here=$(cd "$(dirname "$0")" && pwd)
[ -x "$prog" ] || { echo "error: $prog was not built" >&2; exit 1; }
if ! command -v Xvfb >/dev/null || ! command -v python3 >/dev/null; then
  [ "${CI:-}" = true ] && { echo "error: Xvfb or python3 is missing" >&2; exit 1; }
  echo "skipped: Xvfb and python3 are needed (scripts/test installs them)"
  exit 77
fi

# Every finding stops the program with status 86 and a report (a build
# without sanitizers ignores these).
export ASAN_OPTIONS="${ASAN_OPTIONS:-halt_on_error=1:abort_on_error=0:exitcode=86:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1:exitcode=86}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-exitcode=86}"
findings='AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer|runtime error:'

# Each case gets its own home, config and runtime folders. As root, the
# program runs as nobody (65534) so that file modes bind it; the folders
# belong to that user, the settings file to whoever the case says.

work=$(mktemp -d /tmp/spanwright-startup.XXXXXX)
chmod 755 "$work"
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

if [ "$(id -u)" -eq 0 ]; then
  run_as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  user_owns() { chown -R 65534:65534 "$@"; }
else
  run_as=()
  user_owns() { :; }
fi

# One X server for the cases that close the window the way a user does.
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$work/display" 2>/dev/null &
xvfb_pid=$!
for ((i = 0; i < 100; i++)); do [ -s "$work/display" ] && break; sleep 0.1; done
display=":$(head -n1 "$work/display")"
[ "$display" != ":" ] || { echo "error: Xvfb did not start" >&2; exit 1; }

# One line per failed check, so checks run in the background count too.
fail() { echo "  FAIL: $*"; echo "$*" >> "$work/failures"; }

# new_case NAME: fresh folders; sets $dir and $conf (the settings file).
new_case() {
  dir=$work/$1
  mkdir -p "$dir/home" "$dir/config/Ostrel" "$dir/runtime"
  chmod 700 "$dir/runtime"
  user_owns "$dir"
  conf=$dir/config/Ostrel/Spanwright.conf
}

# launch PLATFORM: starts the program on the case's folders; sets $pid.
launch() {
  # No session bus is reachable: without an address the D-Bus library would
  # try to launch one for every start (and leak its attempt).
  env -i PATH=/usr/bin:/bin HOME="$dir/home" XDG_CONFIG_HOME="$dir/config" \
    XDG_RUNTIME_DIR="$dir/runtime" QT_QPA_PLATFORM="$1" DISPLAY="$display" \
    DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent \
    ASAN_OPTIONS="$ASAN_OPTIONS" UBSAN_OPTIONS="$UBSAN_OPTIONS" LSAN_OPTIONS="$LSAN_OPTIONS" \
    "${run_as[@]}" "$prog" >>"$dir/output" 2>&1 &
  pid=$!
}

# wait_exit SECONDS: waits for $pid to end; sets $status (124 if it did not).
wait_exit() {
  local i
  for ((i = 0; i < $1 * 10; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid"; wait "$pid" 2>/dev/null || true; status=124
  else
    status=0; wait "$pid" || status=$?
  fi
}

no_findings() {
  if grep -Eq "$findings" "$dir/output"; then
    fail "$1: sanitizer report"; sed 's/^/    /' "$dir/output" | head -40
  fi
}

# run_term NAME: offscreen; alive after 1.5 s, ends on SIGTERM.
run_term() {
  launch offscreen
  sleep 1.5
  if ! kill -0 "$pid" 2>/dev/null; then
    wait_exit 1
    fail "$1: not running after 1.5 s (status $status)"; sed 's/^/    /' "$dir/output" | head -40
    return
  fi
  kill -TERM "$pid"
  wait_exit 10
  [ "$status" -eq 143 ] || fail "$1: SIGTERM ended it with status $status"
  no_findings "$1"
}

# close_window PID: sends WM_DELETE_WINDOW to every shown window of PID.
close_window() { DISPLAY=$display python3 "$here/close_window.py" "$1"; }


# run_close NAME: on the X server; its window appears, a close ends it with 0
# (slow ends are reported: every setting written rewrites the whole file).
run_close() {
  launch xcb
  if ! close_window "$pid"; then
    fail "$1: no window to close"
    kill -KILL "$pid" 2>/dev/null || true; wait_exit 1
    sed 's/^/    /' "$dir/output" | head -40
    return
  fi
  local start=$SECONDS
  wait_exit 120
  [ "$status" -eq 0 ] || { fail "$1: closing ended it with status $status"; sed 's/^/    /' "$dir/output" | head -40; }
  [ $((SECONDS - start)) -le 10 ] || echo "  note: $1 took $((SECONDS - start)) s to end after the close"
  no_findings "$1"
}

ini_key() { printf 'Ostrel\\Spanwright\\%s=%s\n' "$1" "$2"; }
settings_of() {  # NAME VALUE pairs -> an INI file as the program writes it
  printf '[Software]\n'
  while [ $# -gt 1 ]; do ini_key "$1" "$2"; shift 2; done
}
all_keys=(Top Left ShowOptions Output Square Format Round RoundOn ListCount HistTop HistLeft)

# Both ways of ending the program, on the same starting file each time.
both() {
  local name=$1 make=$2
  echo "-- $name"
  new_case "$name-term"; $make; run_term "$name (SIGTERM)" &
  local term=$!
  new_case "$name-close"; $make; run_close "$name (close)"
  wait "$term"
}

make_none() { :; }
both "no settings file" make_none

# A close writes the settings and keeps what it does not write (ListCount
# is never written); so the read-only case below tests a real write.
echo "-- a close writes the settings and keeps the rest"
new_case first-run
settings_of ListCount 25 > "$conf"; user_owns "$conf"
run_close "first run"
for key in Top Left ShowOptions Output Format Round RoundOn Square ListCount; do
  grep -q "^Ostrel\\\\Spanwright\\\\$key=" "$conf" || fail "first run: $key missing after close"
done
grep -q '^Ostrel\\Spanwright\\ListCount=25$' "$conf" || fail "first run: ListCount was not kept"

make_empty() { : > "$conf"; user_owns "$conf"; }
both "empty file" make_empty

make_garbage() {  # the same 64 KiB of bytes every run
  python3 -c 'import random,sys; r=random.Random(1); sys.stdout.buffer.write(bytes(r.randrange(256) for _ in range(65536)))' > "$conf"
  user_owns "$conf"
}
both "binary garbage" make_garbage

make_huge() {  # 10 MB: a 4 MB number, a 4 MB word and 2 MB of other keys
  python3 - "$conf" <<'PY'
import sys
with open(sys.argv[1], "w") as f:
    f.write("[Software]\n")
    f.write("Ostrel\\Spanwright\\Top=" + "9" * 4_000_000 + "\n")
    f.write("Ostrel\\Spanwright\\ShowOptions=" + "True" * 1_000_000 + "\n")
    for i in range(80_000):
        f.write("Ostrel\\Spanwright\\Extra%05d=%s\n" % (i, "x" * 10))
PY
  user_owns "$conf"
}

# Absurd values, one set per kind; every key gets one of each set.
make_absurd() {
  local i=0 key
  { printf '[Software]\n'
    for key in "${all_keys[@]}"; do ini_key "$key" "${absurd[i % ${#absurd[@]}]}"; i=$((i + 1)); done
  } > "$conf"
  user_owns "$conf"
}
n=0
for set in \
  "1e308|-1e308|99999999999999999999|-2147483649|2147483648|32768|-32769|1e400|-1e-400" \
  "nan|inf|-inf|abc|True False|0x10|1,5|\"\"|  " \
  "2147483647|-2147483648|32767|-32768|-1|7|255|65535|0"; do
  IFS='|' read -r -a absurd <<<"$set"
  n=$((n + 1))
  both "absurd values $n" make_absurd
done

# Unreadable and read-only files need file modes to bind, so a root run
# drops to nobody; as an ordinary user the modes bind anyway.
valid_settings() {
  settings_of Top 120 Left 140 ShowOptions True Output 1 Format 2 Round 3 RoundOn 1 Square 0 ListCount 12 HistTop 300 HistLeft 500
}
echo "-- unreadable file (mode 000)"
for mode in term close; do
  new_case "unreadable-$mode"
  valid_settings > "$conf"; chmod 000 "$conf"
  before=$(stat -c '%a %s %Y' "$conf")
  "run_$mode" "unreadable ($mode)"
  [ "$(stat -c '%a %s %Y' "$conf")" = "$before" ] || fail "unreadable ($mode): the file was changed"
done

echo "-- read-only file: read at start, left as it was at close"
for mode in term close; do
  new_case "read-only-$mode"
  valid_settings > "$conf"; chmod 444 "$conf"
  [ "$(id -u)" -eq 0 ] && chown 0:0 "$conf"  # nobody's folder, root's file
  before=$(sha256sum < "$conf")
  "run_$mode" "read-only ($mode)"
  [ "$(sha256sum < "$conf")" = "$before" ] || fail "read-only ($mode): the file was changed"
  [ "$(stat -c %a "$conf")" = 444 ] || fail "read-only ($mode): the file's mode changed"
done

# fingerprint FILE: its type and mode, where a link points, a regular
# file's bytes (hashed). A FIFO is never opened.
fingerprint() {
  if [ -L "$1" ]; then echo "link to $(readlink "$1")"
  elif [ -f "$1" ]; then stat -c '%F %a %s' "$1"; sha256sum < "$1"
  else stat -c '%F %a' "$1" 2>/dev/null || echo missing
  fi
}

# left_alone NAME MAKE: both ways of ending, each on a fresh file MAKE
# makes; the window opens with no settings and the file stays as it was.
left_alone() {
  local name=$1 make=$2 mode before
  echo "-- $name: neither read nor written"
  for mode in term close; do
    new_case "$name-$mode"; $make
    before=$(fingerprint "$conf")
    "run_$mode" "$name ($mode)"
    [ "$(fingerprint "$conf")" = "$before" ] || fail "$name ($mode): the file was changed"
  done
}
left_alone "10 MB file" make_huge

make_2mib() {  # good settings, padded with comment lines past 1 MiB
  { valid_settings; python3 -c 'print((";" + "x" * 98 + "\n") * 21000, end="")'; } > "$conf"
  user_owns "$conf"
}
left_alone "2 MiB file" make_2mib
make_fifo() { mkfifo -m 600 "$conf"; user_owns "$conf"; }
left_alone "FIFO" make_fifo
make_socket() {
  python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$conf"
  user_owns "$conf"
}
left_alone "socket" make_socket
# The link stays root's: chown would follow it to the device. As root the
# program runs as nobody, who cannot replace a device.
make_device_link() { ln -s /dev/zero "$conf"; }
left_alone "link to /dev/zero" make_device_link

# A lock file the program cannot take, or a copy that does not answer,
# never keeps the user from a window.
make_empty_lock() { : > "$dir/runtime/spanwright.lock"; user_owns "$dir/runtime"; }
both "empty lock file" make_empty_lock
make_garbage_lock() {
  python3 -c 'import random,sys; r=random.Random(2); sys.stdout.buffer.write(bytes(r.randrange(256) for _ in range(4096)))' \
    > "$dir/runtime/spanwright.lock"
  user_owns "$dir/runtime"
}
both "garbage lock file" make_garbage_lock
make_lock_folder() { mkdir "$dir/runtime/spanwright.lock"; user_owns "$dir/runtime"; }
both "folder at the lock's path" make_lock_folder

echo "-- a stopped copy leaves the next start its window"
new_case stopped
valid_settings > "$conf"; user_owns "$conf"
launch offscreen; stopped=$pid
sleep 1.5
if kill -0 "$stopped" 2>/dev/null; then
  kill -STOP "$stopped"
  run_close "beside a stopped copy"
  kill -CONT "$stopped"
  pid=$stopped; kill -TERM "$pid"; wait_exit 10
  [ "$status" -eq 143 ] || fail "stopped copy: SIGTERM ended it with status $status"
else
  pid=$stopped; wait_exit 1
  fail "stopped: the first copy was not running after 1.5 s (status $status)"
fi

echo "-- a copy killed with SIGKILL does not keep the next one out"
new_case killed
valid_settings > "$conf"; user_owns "$conf"
launch offscreen
sleep 1.5
if kill -0 "$pid" 2>/dev/null; then
  kill -KILL "$pid"; wait "$pid" 2>/dev/null || true
  launch offscreen; restarted=$pid
  sleep 1.5
  if kill -0 "$restarted" 2>/dev/null; then
    # While it runs, another start ends at once with 0: the lock is real,
    # so the restart above means something.
    launch offscreen
    wait_exit 10
    [ "$status" -eq 0 ] || fail "a start beside the running copy ended with status $status"
    pid=$restarted
    kill -TERM "$pid"; wait_exit 10
    [ "$status" -eq 143 ] || fail "restarted copy: SIGTERM ended it with status $status"
  else
    pid=$restarted; wait_exit 1
    fail "the start after SIGKILL was not running after 1.5 s (status $status)"
    sed 's/^/    /' "$dir/output" | head -40
  fi
else
  fail "killed: the first copy was not running"
fi
no_findings "SIGKILL"

if [ -s "$work/failures" ]; then
  echo "startup: FAILED: $(wc -l < "$work/failures") checks"
  exit 1
fi
echo "startup: all passed"
