#!/usr/bin/env bash
# refuses_without_display_test.sh <orbalune> <Qt's platforms folder>: with no display, a dead one, or Wayland
# alone without Qt's plugin (hidden by a private mount, as root), one line and status 1, never a core dump.
program=$1 platforms=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
refuses() {  # refuses <word the line must hold> <command...>
  local want=$1; shift
  "$@" 2>"$dir/err" >/dev/null
  local rc=$?
  [ "$rc" -eq 1 ] && [ "$(wc -l <"$dir/err")" -eq 1 ] && grep -qi "$want" "$dir/err" ||
    { echo "FAIL: $*: status $rc, said: $(cat "$dir/err")"; exit 1; }
}
refuses display env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program"
refuses display env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:987 "$program"
[ "$(id -u)" -eq 0 ] || { echo "SKIP: the Wayland case takes root"; exit 77; }
mkdir "$dir/empty"
python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$dir/wayland-9"
refuses qt6-wayland unshare -m sh -c 'mount --bind "$1" "$2" && exec env -u DISPLAY -u QT_QPA_PLATFORM -u QT_PLUGIN_PATH \
  XDG_RUNTIME_DIR="$3" WAYLAND_DISPLAY=wayland-9 "$4"' sh "$dir/empty" "$platforms" "$dir" "$program"
echo "PASS: refuses without a display"
