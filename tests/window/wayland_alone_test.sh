#!/usr/bin/env bash
# A session that offers only a Wayland display, and Qt without its Wayland plugin:
# the program must say so in one line and exit 1, not abort.
#   wayland_alone_test.sh <orbalune> <Qt's platform plugin folder>
set -u
program=$1 platforms=$2
[ "$(id -u)" -eq 0 ] || { echo "SKIP: hiding the installed plugin takes root"; exit 77; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir "$dir/empty"
python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$dir/wayland-9"
# A private mount namespace hides the plugins, as on a machine without qt6-wayland.
unshare -m sh -c 'mount --bind "$1" "$2" && exec env -u DISPLAY -u QT_QPA_PLATFORM -u QT_PLUGIN_PATH \
  XDG_RUNTIME_DIR="$3" WAYLAND_DISPLAY=wayland-9 "$4"' sh "$dir/empty" "$platforms" "$dir" "$program" \
  2>"$dir/err" >/dev/null
rc=$?
[ "$rc" -eq 1 ] || { echo "FAIL: exit status $rc, want 1"; cat "$dir/err"; exit 1; }
[ "$(wc -l <"$dir/err")" -eq 1 ] && grep -q qt6-wayland "$dir/err" ||
  { echo "FAIL: want one line that names qt6-wayland:"; cat "$dir/err"; exit 1; }
echo "PASS: Wayland alone without Qt's Wayland plugin"
