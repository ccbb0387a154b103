#!/usr/bin/env bash
# Builds the .deb, installs it with apt, starts the installed program on a virtual
# display, and removes the package again.
set -uo pipefail
skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; [ -n "${XSESSION_DIR:-}" ] && cat "$out/stderr" "$XSESSION_DIR"/*.log >&2; exit 1; }
[ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null || skip "needs root and apt-get to install a package"
dpkg-query -W -f='${Status}' orbalune 2>/dev/null | grep -q 'install ok' && skip "an orbalune package is installed already"
out=$(mktemp -d) pid=''
trap '[ -n "$pid" ] && kill "$pid"; xsession_stop 2>/dev/null; apt-get remove -y orbalune >/dev/null 2>&1; rm -rf "$out"' EXIT
(cd "$out" && cpack --config "$1/CPackConfig.cmake" -B "$out" >/dev/null) || fail "cpack failed"
deb=$(ls "$out"/orbalune_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *fonts-ipafont-gothic* && $depends == *libqt6widgets6* ]] || fail "Depends: $depends"
apt-get install -y "$deb" >/dev/null 2>&1 && [ -x /usr/bin/orbalune ] || fail "apt-get install failed"
. "$(dirname "$0")/../../scripts/lib/xsession.sh"
xsession_start || fail "no virtual display"
/usr/bin/orbalune 2>"$out/stderr" &
pid=$!
# The first start after an install may wait on freshly triggered caches.
xsession_wait_window Orbalune 20 >/dev/null || fail "the installed program's window did not map"
echo "PASS: deb"
