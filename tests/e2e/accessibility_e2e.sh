#!/usr/bin/env bash
# A screen reader's view of the window, read over AT-SPI on a private session bus
# and a 200 % virtual display:  accessibility_e2e.sh <orbalune>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# The accessibility bus lives on the session bus: give this test its own.
[ -n "${ORBALUNE_A11Y_BUS:-}" ] || ORBALUNE_A11Y_BUS=1 exec dbus-run-session -- "$0" "$@"
. "$here/../../scripts/lib/xsession.sh"
pid=''
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; xsession_stop' EXIT
xsession_start openbox 192 || { echo "FAIL: no virtual display"; exit 1; }
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" 2>/dev/null &
pid=$!
xsession_wait_window Orbalune >/dev/null || { echo "FAIL: the window did not map"; exit 1; }
/usr/bin/python3 "$here/read_accessibility_tree.py" 192 || { echo "FAIL: not what a screen reader needs"; exit 1; }
echo "PASS: accessibility"
