#!/usr/bin/env bash
# need_packages of scripts/lib.sh as root, as a user with sudo and as one
# without: sudo and apt-get run only for a missing package, and with
# neither root nor sudo the script prints the line to run as root and ends
# with status 1. id, sudo and apt-get are stand-ins that record their
# calls; nothing is installed.
# Usage: lib_test.sh path/to/scripts/lib.sh
set -u
lib=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/tools" "$work/user" "$work/root" "$work/sudo"
for tool in dpkg-query grep env; do ln -s "$(command -v "$tool")" "$work/tools/$tool"; done
printf '#!/bin/sh\necho 1000\n' > "$work/user/id"
printf '#!/bin/sh\necho 0\n' > "$work/root/id"
printf '#!/bin/sh\necho "apt-get $*" >> "%s/calls"\n' "$work" > "$work/root/apt-get"
printf '#!/bin/sh\necho "sudo $*" >> "%s/calls"\n' "$work" > "$work/sudo/sudo"
chmod +x "$work"/user/* "$work"/root/* "$work"/sudo/*

installed=dpkg  # every Debian has it
missing=spanwright-test-no-such-package
install_line="  apt-get install -y --no-install-recommends $missing"

failures=0
# check NAME PATH-FOLDERS PACKAGES STATUS OUTPUT-LINE CALLS
#   OUTPUT-LINE: a line the run must print ("" for none);
#   CALLS: the stand-ins' calls, joined by "|" ("" for none).
check() {
  local name=$1 folders=$2 packages=$3 want_status=$4 want_line=$5 want_calls=$6
  local path="" f status calls
  for f in $folders; do path+="$work/$f:"; done
  rm -f "$work/calls"
  # shellcheck disable=SC2086
  PATH="${path%:}" /bin/bash -c 'set -euo pipefail; . "$0"; need_packages "$@"' "$lib" $packages \
    > "$work/output" 2>&1
  status=$?
  calls=$(paste -sd'|' "$work/calls" 2>/dev/null || true)
  local fault=""
  if [ "$status" -ne "$want_status" ]; then
    fault="status $status, expected $want_status"
  elif [ -n "$want_line" ] && ! grep -qxF -- "$want_line" "$work/output"; then
    fault="no line \"$want_line\""
  elif [ "$calls" != "$want_calls" ]; then
    fault="calls \"$calls\", expected \"$want_calls\""
  fi
  if [ -z "$fault" ]; then
    echo "PASS $name"
  else
    echo "FAIL $name: $fault"
    sed 's/^/    /' "$work/output"
    failures=$((failures + 1))
  fi
}

update="apt-get update -qq"
install="apt-get install -y -qq --no-install-recommends $missing"
check "nothing missing, no sudo" "tools user" "$installed" 0 "" ""
check "nothing missing, sudo at hand: sudo not called" "tools user sudo" "$installed" 0 "" ""
check "missing, as root: apt-get directly" "tools root" "$installed $missing" 0 "" \
  "$update|$install"
check "missing, with sudo: through sudo" "tools user sudo" "$installed $missing" 0 "" \
  "sudo $update|sudo env DEBIAN_FRONTEND=noninteractive $install"
check "missing, neither root nor sudo: the line to run as root, status 1" "tools user" \
  "$installed $missing" 1 "$install_line" ""

[ "$failures" -eq 0 ]
