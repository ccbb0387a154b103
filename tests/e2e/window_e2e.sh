#!/usr/bin/env bash
# Drives the built program as a user would, on a private Xvfb with openbox:
#   window_e2e.sh <orbalune> <case>
# Cases: topmost, height, caption-north, caption-south, quit-button, quit-esc, quit-wm
set -uo pipefail
program=$1
case=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/lib/xsession.sh"

fail() { echo "FAIL: $*" >&2; exit 1; }
pid=''
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; xsession_stop; }
trap cleanup EXIT
xsession_start || fail "no virtual display"

start() {  # start [faketime start time]
  if [ -n "${1:-}" ]; then
    # libfaketime is preloaded ahead of a sanitizer runtime; let ASan accept that.
    ASAN_OPTIONS="${ASAN_OPTIONS:-}:verify_asan_link_order=0" faketime -f "$1" "$program" 2>/dev/null &
  else
    "$program" 2>/dev/null &
  fi
  pid=$!
  win=$(xsession_wait_window Orbalune) || fail "the window did not map"
  # Let the window manager frame it and the program settle its outer height.
  for _ in $(seq 100); do
    xprop -id "$win" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '=' && break
    sleep 0.05
  done
  sleep 0.5
}

client() { xwininfo -id "$win" | awk -v k="$1" -F: '$1 ~ k {gsub(/ /, "", $2); print $2}'; }
extents() { xprop -id "$win" _NET_FRAME_EXTENTS | sed 's/.*= //; s/ //g'; }
outer_height() { local e; IFS=, read -r l r t b <<<"$(extents)"; echo $(( $(client Height) + t + b )); }
above() { xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }

# Clicks a point given in twips of the client area (15 twips a pixel at 96 DPI).
click_twips() {
  local x=$(( $(client 'Absolute upper-left X') + $1 / 15 )) y=$(( $(client 'Absolute upper-left Y') + $2 / 15 ))
  xdotool mousemove --sync "$x" "$y" click 1
  sleep 0.4
}

wait_exit() {  # the process must end by itself with status 0
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
  kill -0 "$pid" 2>/dev/null && fail "still running after $1"
  wait "$pid"; local rc=$?
  pid=''
  [ "$rc" -eq 0 ] || fail "exit status $rc after $1"
}

case $case in
topmost)
  start
  id_before=$win geometry_before=$(xwininfo -id "$win" | grep -E 'Absolute|Width|Height')
  above && fail "above other windows from the start"
  click_twips 11300 620      # cmdMae
  above || fail "first click did not keep the window on top"
  click_twips 11300 620
  above && fail "second click did not release the window"
  [ "$(xdotool search --onlyvisible --name '^Orbalune' | head -n 1)" = "$id_before" ] || fail "window re-created"
  [ "$(xwininfo -id "$win" | grep -E 'Absolute|Width|Height')" = "$geometry_before" ] || fail "window moved or resized"
  ;;
height)
  start
  h0=$(outer_height) x0=$(client 'Absolute upper-left X') y0=$(client 'Absolute upper-left Y') w0=$(client Width)
  [ "$h0" -eq 79 ] || fail "outer height $h0 px, want 79 (1180 twips)"
  click_twips 100 620        # cmdFm
  h1=$(outer_height)
  [ "$h1" -eq 81 ] || fail "tall outer height $h1 px, want 81 (1220 twips)"
  [ "$(client 'Absolute upper-left X'),$(client 'Absolute upper-left Y'),$(client Width)" = "$x0,$y0,$w0" ] ||
    fail "corner or width moved"
  click_twips 100 620
  [ "$(outer_height)" -eq 79 ] || fail "not back to the short height"
  ;;
caption-north | caption-south)
  if [ "$case" = caption-north ]; then
    when='@2008-10-31 23:59:50'
    want='Orbalune　(4月-10月：北半球は夏時間に御注意！)  /　(都市名はクリックで変更できます)'
  else
    when='@2008-11-01 00:00:05'
    want='Orbalune　(10月-3月：南半球は夏時間に御注意！)　/　(都市名はクリックで変更できます)'
  fi
  start "$when"
  got=$(xprop -id "$win" _NET_WM_NAME | sed 's/^[^"]*"//; s/"$//')
  [ "$got" = "$want" ] || fail "caption [$got], want [$want]"
  ;;
quit-button)
  start
  click_twips 7615 520       # cmdEND
  wait_exit "cmdEND"
  ;;
quit-esc)
  start
  xdotool windowactivate --sync "$win" key Escape
  wait_exit "Esc"
  ;;
quit-wm)
  start
  xdotool windowactivate --sync "$win" key alt+F4   # openbox closes the window
  wait_exit "the window manager's close"
  ;;
*) fail "unknown case $case" ;;
esac
echo "PASS: $case"
