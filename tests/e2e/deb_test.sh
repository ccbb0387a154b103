#!/usr/bin/env bash
# Builds the .deb, installs it into this machine with apt, starts the installed
# program on a virtual display, and removes the package again.
set -uo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || skip "needs root to install a package"
command -v apt-get >/dev/null || skip "no apt-get"
dpkg-query -W -f='${Status}' orbalune 2>/dev/null | grep -q 'install ok installed' &&
  skip "an orbalune package is installed already; not touching it"

out=$(mktemp -d)
pid=''
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  xsession_stop 2>/dev/null
  apt-get remove -y orbalune >/dev/null 2>&1
  rm -rf "$out"
}
trap cleanup EXIT
(cd "$out" && cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null) || fail "cpack failed"
deb=$(ls "$out"/orbalune_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no package built"
dpkg-deb -f "$deb" Depends | grep -q fonts-ipafont-gothic || fail "package does not depend on the font"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "no shared-library dependencies"
apt-get install -y "$deb" >/dev/null 2>&1 || fail "apt-get install failed"
[ -x /usr/bin/orbalune ] || fail "not installed in /usr/bin"

. "$here/../../scripts/lib/xsession.sh"
xsession_start || fail "no virtual display"
/usr/bin/orbalune 2>"$out/stderr" &
pid=$!
# The first start after an install may wait on the freshly triggered caches;
# give it longer than the build-tree tests, and say what happened if it fails.
if ! win=$(xsession_wait_window Orbalune 20); then
  if kill -0 "$pid" 2>/dev/null; then
    echo "the program is running; top-level windows:" >&2
    xwininfo -root -tree >&2
    for w in $(xdotool search --name '^Orbalune' 2>/dev/null); do
      xwininfo -id "$w" | grep -E 'Map State|geometry' >&2
    done
    echo "window manager log:" >&2
    cat "$XSESSION_DIR/openbox.log" >&2
  else
    wait "$pid"
    echo "the program exited with status $?" >&2
  fi
  echo "its stderr:" >&2
  cat "$out/stderr" >&2
  fail "the installed program's window did not map"
fi
xwininfo -id "$win" | grep -q 'Map State: IsViewable' || fail "window not viewable"
echo "PASS: deb"
