#!/usr/bin/env bash
# A screen reader's view of the window, read over AT-SPI on a private session
# bus and virtual display:  accessibility_e2e.sh <orbalune>
set -uo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)

# The accessibility bus lives on the session bus: give this test its own.
if [ -z "${ORBALUNE_A11Y_BUS:-}" ]; then
  ORBALUNE_A11Y_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

. "$here/../../scripts/lib/xsession.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }
pid=''
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; xsession_stop; }
trap cleanup EXIT
xsession_start || fail "no virtual display"

# The worked example's morning; Japan time is whatever the machine's local time is.
TZ=UTC0 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  ASAN_OPTIONS="${ASAN_OPTIONS:-}:verify_asan_link_order=0" \
  faketime -f '@2008-06-29 08:30:05' "$program" 2>/dev/null &
pid=$!
xsession_wait_window Orbalune >/dev/null || fail "the window did not map"
/usr/bin/python3 "$here/read_accessibility_tree.py" || fail "the accessibility tree is not what a screen reader needs"
echo "PASS: accessibility"
