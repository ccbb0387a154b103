#!/usr/bin/env bash
# Without any display, or with one that does not answer, the program says so in one
# line and exits 1 instead of letting the toolkit dump core.
for display in '' ':987'; do
  err=$(DISPLAY=$display env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1 >/dev/null)
  rc=$?
  [ "$rc" -eq 1 ] && [ "$(wc -l <<<"$err")" -eq 1 ] && grep -qi display <<<"$err" ||
    { echo "FAIL: DISPLAY='$display': status $rc, said: $err"; exit 1; }
done
echo "PASS: no display"
