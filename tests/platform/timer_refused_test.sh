#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# timer_refused_test.sh <orbalune> <refuse_calls.so>: with the kernel's timer refused (created or armed), the
# program still ticks, on Qt's timer, and says so in one line on stderr.
set -uo pipefail
program=$1 preload=$2
. "$(dirname "$0")/../../scripts/lib/xsession.sh"
failures=0 pid=''
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
trap 'kill $pid 2>/dev/null; xsession_stop' EXIT
xsession_start openbox 96 || { echo "FAIL: no X session"; exit 1; }
# An ASan build wants its runtime first; the preload goes in after it.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0

home_time() { import -window "$1" -crop 68x13+360+30 +repage "$2"; }  # txtJihun(6) at 96 dpi
refused() {  # refused <call>: the home time box changes within 2 s, and stderr says why once
  ORBALUNE_REFUSE=$1 LD_PRELOAD=$preload "$program" 2>"$XSESSION_DIR/$1.err" & pid=$!
  local win changed
  win=$(xsession_wait_window Orbalune 10) || { fail "$1 refused: the window did not map"; return; }
  sleep 0.3; home_time "$win" "$XSESSION_DIR/a.png"
  sleep 1.1; home_time "$win" "$XSESSION_DIR/b.png"
  changed=$(compare -metric AE "$XSESSION_DIR/a.png" "$XSESSION_DIR/b.png" null: 2>&1)
  [ "$changed" != 0 ] || fail "$1 refused: the home time box did not change in 1.1 s"
  [ "$(grep -c "$1" "$XSESSION_DIR/$1.err")" = 1 ] || fail "$1 refused: stderr said: $(cat "$XSESSION_DIR/$1.err")"
  grep -q "late" "$XSESSION_DIR/$1.err" || fail "$1 refused: the line does not say the seconds may be late"
  kill "$pid"; wait "$pid" 2>/dev/null; pid=''
}
refused timerfd_settime
refused timerfd_create
[ "$failures" -eq 0 ] && echo "PASS: the clock ticks on with the kernel's timer refused"
