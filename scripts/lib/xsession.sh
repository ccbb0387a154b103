# Source me. A private virtual X display with a real window manager.
#   xsession_start  -> exports DISPLAY, waits until openbox manages the screen
#   xsession_stop   -> ends both
xsession_start() {
  local dir
  dir=$(mktemp -d)
  XSESSION_DIR=$dir
  Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
  XSESSION_XVFB=$!
  local i
  for i in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.05; done
  [ -s "$dir/display" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(cat "$dir/display")"
  openbox >"$dir/openbox.log" 2>&1 &
  XSESSION_WM=$!
  for i in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
  done
  xsession_wm_ready && return 0
  echo "openbox did not take the screen" >&2
  return 1
}

# openbox announces itself early in its start-up, and a window mapped before it
# has finished starting can stay unmapped for good (seen about one start in
# eight). Only a window it has framed proves it is managing: map a probe and
# wait for its frame, starting a new probe if one is lost.
xsession_wm_ready() {
  local probe id
  for _ in 1 2 3 4 5; do
    xmessage -name orbalune-wm-probe -title orbalune-wm-probe probe >/dev/null 2>&1 &
    probe=$!
    for _ in $(seq 40); do
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
  [ -n "${XSESSION_XVFB:-}" ] && kill "$XSESSION_XVFB" 2>/dev/null
  wait 2>/dev/null || true
  [ -n "${XSESSION_DIR:-}" ] && rm -rf "$XSESSION_DIR"
  XSESSION_WM='' XSESSION_XVFB='' XSESSION_DIR=''
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
