#!/usr/bin/env bash
# Without any display the program must say so in one line and exit 1, not dump core.
set -u
program=$1
err=$(mktemp)
trap 'rm -f "$err"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>"$err" >/dev/null
rc=$?
[ "$rc" -eq 1 ] || { echo "FAIL: exit status $rc, want 1"; cat "$err"; exit 1; }
[ "$(wc -l <"$err")" -eq 1 ] || { echo "FAIL: want exactly one line on stderr:"; cat "$err"; exit 1; }
grep -qi 'display' "$err" || { echo "FAIL: the line does not mention the display"; exit 1; }
# A display name that answers nothing is no display either.
DISPLAY=:987 env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>/dev/null >/dev/null
rc=$?
[ "$rc" -eq 1 ] || { echo "FAIL: unreachable DISPLAY gave status $rc, want 1"; exit 1; }
echo "PASS: no display"
