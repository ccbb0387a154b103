#!/usr/bin/env bash
# What only a real display and window manager show, under one of several:
#   window_e2e.sh <orbalune> <openbox|kwin|mutter|xfwm4> [dpi]
# One session for every case; each case is a function. Expected heights follow
# from the frame the window manager reports, not from a table per desktop.
set -uo pipefail
program=$1 wm=$2 dpi=${3:-96}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/lib/xsession.sh"

case $wm in kwin) wm_exe=kwin_x11 ;; *) wm_exe=$wm ;; esac
command -v "$wm_exe" >/dev/null || { echo "SKIP: $wm_exe is not installed (scripts/setup installs it)"; exit 77; }
failures=0
fail() { echo "FAIL [$wm, $dpi dpi] $*" >&2; failures=$((failures + 1)); }
pid='' watch=''
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; [ -n "$watch" ] && kill "$watch" 2>/dev/null; xsession_stop; }
trap cleanup EXIT
xsession_start "$wm" "$dpi" || { echo "FAIL: no $wm session"; exit 1; }

# Twips to device pixels, unrounded.
px() { awk -v t="$1" -v d="$dpi" 'BEGIN { print t * d / 1440 }'; }
near() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a - b <= 1 && b - a <= 1) }'; }  # within 1 device px
at_least() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'; }

start() {
  "$program" 2>/dev/null &
  pid=$!
  win=$(xsession_wait_window Orbalune 10) || { fail "the window did not map"; return 1; }
  for _ in $(seq 100); do xprop -id "$win" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '=' && break; sleep 0.05; done
  sleep 0.5  # let the program settle its height on the frame it got
}
client() { xwininfo -id "$win" | awk -v k="$1" -F: '$1 ~ k {gsub(/ /, "", $2); print $2}'; }
decoration() { xprop -id "$win" _NET_FRAME_EXTENTS | awk -F'[=,]' '{ print $4 + $5 }'; }
above() { xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
click_twips() {  # a point of the client area, in twips
  local x y
  x=$(awk -v a="$(client 'Absolute upper-left X')" -v t="$(px "$1")" 'BEGIN { printf "%d", a + t }')
  y=$(awk -v a="$(client 'Absolute upper-left Y')" -v t="$(px "$2")" 'BEGIN { printf "%d", a + t }')
  xdotool mousemove "$x" "$y" click 1  # in order: no --sync, which waits forever when the pointer is already there
  sleep 0.5
}
# The client's height when the window manager framed it: the last size X saw
# before the reparenting, from a watch on the root window started beforehand.
first_frame_height() {
  awk -v w="window $(printf '0x%x' "$win")," '/^[A-Za-z]+ event/ { ev = $1 }
    index($0, w) { if (ev == "ReparentNotify") { print h; exit }
                   if (match($0, /height [0-9]+/)) h = substr($0, RSTART + 7, RLENGTH - 7) }' "$1"
}
stop() { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; pid=''; }
quits_by() {  # the process must end by itself with status 0
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
  kill -0 "$pid" 2>/dev/null && { fail "still running after $1"; stop; return; }
  wait "$pid"; local rc=$?
  pid=''
  [ "$rc" -eq 0 ] || fail "exit status $rc after $1"
}

# The outer height from the first frame on and after each height switch: 1180 and
# 1220 twips, but never so short that the time boxes (650 twips) are cut off.
case_heights_and_place() {
  xev -root -event substructure >"$XSESSION_DIR/events" &
  watch=$!
  sleep 0.2
  start || return
  local deco short tall first h0 h1 h2 x0 y0 w0
  deco=$(decoration) h0=$(client Height) first=$(first_frame_height "$XSESSION_DIR/events")
  x0=$(client 'Absolute upper-left X') y0=$(client 'Absolute upper-left Y') w0=$(client Width)
  kill "$watch"; watch=''
  short=$(awk -v a="$(px 1180)" -v b="$deco" -v c="$(px 650)" 'BEGIN { m = b + c; if (m > int(m)) m = int(m) + 1; print (a > m ? a : m) }')
  tall=$(awk -v s="$short" -v d="$(px 40)" 'BEGIN { print s + d }')
  click_twips 100 620; h1=$(client Height)   # cmdFm
  click_twips 100 620; h2=$(client Height)
  echo "$wm, $dpi dpi: decoration $deco; client height first frame $first, at start $h0, then $h1, $h2;" \
    "outer $((deco + h0)) / $((deco + h1)) / $((deco + h2)); client at ($x0,$y0), width $w0"
  # Only a window manager that answers a request before the map can frame the
  # window right at once; KWin does not offer it and is followed a moment later.
  if xprop -root _NET_SUPPORTED | grep -q _NET_REQUEST_FRAME_EXTENTS; then
    near "$first" "$h0" || fail "first frame client height $first, settled at $h0"
  fi
  near "$((deco + h0))" "$short" || fail "short outer height $((deco + h0)), want $short"
  near "$((deco + h1))" "$tall" || fail "tall outer height $((deco + h1)), want $tall"
  near "$h2" "$h0" || fail "second click gave $h2, not back to $h0"
  at_least "$h0" "$(px 650)" || fail "client $h0 px high cuts off the time boxes"
  near "$x0" "$(px 495)" && near "$y0" "$(px 720)" && near "$w0" "$(px 11415)" ||
    fail "client at ($x0,$y0) width $w0, want ($(px 495),$(px 720)) width $(px 11415)"
  [ "$(client 'Absolute upper-left X'),$(client 'Absolute upper-left Y'),$(client Width)" = "$x0,$y0,$w0" ] ||
    fail "height switch moved the corner or changed the width"
  stop
}

# The real _NET_WM_STATE_ABOVE, on the same window, neither moved nor resized.
case_topmost() {
  start || return
  local before; before=$(xwininfo -id "$win" | grep -E 'Absolute|Width|Height')
  above && fail "above other windows from the start"
  click_twips 11300 620; above || fail "first cmdMae click did not keep the window on top"
  click_twips 11300 620; above && fail "second cmdMae click did not release the window"
  [ "$(xsession_wait_window Orbalune)" = "$win" ] || fail "window re-created"
  [ "$(xwininfo -id "$win" | grep -E 'Absolute|Width|Height')" = "$before" ] || fail "window moved or resized"
  stop
}

case_quit() {
  start || return; click_twips 7615 520; quits_by "cmdEND"
  start || return; xdotool windowactivate --sync "$win" key Escape; quits_by "Esc"
  start || return; wmctrl -i -c "$win"; quits_by "the window manager's close"
}

for case in case_heights_and_place case_topmost case_quit; do "$case"; done
[ "$failures" -eq 0 ] || exit 1
echo "PASS: $wm at $dpi dpi"
