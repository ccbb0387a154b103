# SPDX-License-Identifier: GPL-3.0-or-later
# Source me. A private virtual X display with a real window manager.
#   xsession_start [wm] [dpi] -> exports DISPLAY, waits until the window manager
#                                frames windows; wm: openbox (default), kwin,
#                                mutter, xfwm4; dpi: 96 (default) or e.g. 192,
#                                given to Xvfb and to Xft.dpi as desktops do
#   xsession_stop             -> ends the window manager, its bus and Xvfb
xsession_start() {
  local wm=${1:-openbox} dpi=${2:-96} dir
  dir=$(mktemp -d)
  XSESSION_DIR=$dir
  Xvfb -displayfd 3 -noreset -screen 0 "$((1280 * dpi / 96))x$((1024 * dpi / 96))x24" -dpi "$dpi" -nolisten tcp \
    3>"$dir/display" 2>"$dir/xvfb.log" &
  XSESSION_XVFB=$!
  local i
  for i in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.05; done
  [ -s "$dir/display" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(cat "$dir/display")"
  [ "$dpi" = 96 ] || echo "Xft.dpi: $dpi" | xrdb -merge
  # A private session bus, as every desktop has (KWin and mutter want one, and so
  # does a screen reader); ended with the session.
  eval "$(dbus-launch --sh-syntax)"
  XSESSION_BUS=$DBUS_SESSION_BUS_PID
  case $wm in
  openbox) openbox ;;
  # Breeze draws the frame; KWin without compositing starts faster on a virtual display.
  kwin) KWIN_COMPOSE=N QT_QPA_PLATFORM=xcb kwin_x11 --replace ;;
  mutter) mutter --x11 --replace --sm-disable ;;
  xfwm4) xfwm4 --replace --compositor=off ;;
  *) echo "unknown window manager $wm" >&2; return 1 ;;
  esac >"$dir/wm.log" 2>&1 &
  XSESSION_WM=$!
  for i in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
  done
  xsession_wm_ready && return 0
  echo "$wm did not take the screen" >&2
  return 1
}

# A window manager announces itself early in its start-up, and a window mapped
# before it has finished starting can stay unmapped for good (seen with openbox
# about one start in eight). Only a window it has framed proves it is managing:
# map a probe and wait for its frame, starting a new probe if one is lost. Every
# window manager that publishes frame extents is ready by this test.
xsession_wm_ready() {
  local probe id
  for _ in 1 2 3 4 5; do
    xmessage -name orbalune-wm-probe -title orbalune-wm-probe probe >/dev/null 2>&1 &
    probe=$!
    for _ in $(seq 80); do
      id=$(xdotool search --name '^orbalune-wm-probe$' 2>/dev/null | head -n 1)
      if [ -n "$id" ] && xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='; then
        kill "$probe" 2>/dev/null; wait "$probe" 2>/dev/null
        return 0
      fi
      sleep 0.025
    done
    kill "$probe" 2>/dev/null; wait "$probe" 2>/dev/null
  done
  return 1
}

xsession_stop() {
  [ -n "${XSESSION_WM:-}" ] && kill "$XSESSION_WM" 2>/dev/null
  [ -n "${XSESSION_BUS:-}" ] && kill "$XSESSION_BUS" 2>/dev/null
  [ -n "${XSESSION_XVFB:-}" ] && kill "$XSESSION_XVFB" 2>/dev/null
  wait 2>/dev/null || true
  [ -n "${XSESSION_DIR:-}" ] && rm -rf "$XSESSION_DIR"
  XSESSION_WM='' XSESSION_BUS='' XSESSION_XVFB='' XSESSION_DIR=''
}

# Prints the id of the first visible window whose name starts with $1, waiting
# up to $2 seconds (default 5).
xsession_wait_window() {
  local id='' tries=$(( ${2:-5} * 20 ))
  for _ in $(seq "$tries"); do
    id=$(xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.05
  done
  return 1
}
