#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# refuses_without_display_test.sh <orbalune> <refuse_calls.so> <folder of fontconfig files>: without a display (none,
# a dead one, or Wayland alone with Qt's plugin hidden), one line and status 1, never a core dump; --help and
# --version answer anyway, -platform counts as a choice of display, and an argument the program does not know earns
# one line and status 2. Without IPA P Gothic, one line names it and what stands in, and the clock runs on.
program=$1 preload=$2 fonts=$3 dir=$(mktemp -d) failures=0
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0  # the preload after ASan's runtime
bare() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
says() {  # says <status> <lines, or any> <word on stderr, or stdout for status 0> <command...>
  local status=$1 lines=$2 word=$3 rc out; shift 3
  "$@" >"$dir/out" 2>"$dir/err"; rc=$?
  out=$dir/err; [ "$status" -ne 0 ] || out=$dir/out
  [ "$rc" -eq "$status" ] || fail "$*: status $rc, want $status; said: $(cat "$dir/err")"
  [ "$lines" = any ] || [ "$(wc -l <"$out")" -eq "$lines" ] ||
    fail "$*: $(wc -l <"$out") lines, want $lines: $(cat "$out")"
  grep -qi -- "$word" "$out" || fail "$*: no '$word' in: $(cat "$out")"
}
case_no_display() {
  says 1 1 display bare "$program"
  says 1 1 display bare DISPLAY=:987 "$program"
}
case_wayland_without_plugin() {  # a Wayland socket that is there, and Qt's plugin hidden from the program
  python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$dir/wayland-9"
  says 1 1 qt6-wayland bare XDG_RUNTIME_DIR="$dir" WAYLAND_DISPLAY=wayland-9 ORBALUNE_HIDE=libqwayland- \
    LD_PRELOAD="$preload" "$program"
}
case_help_and_version() {
  says 0 1 '^orbalune 1\.0\.0$' bare "$program" --version
  says 0 1 '^orbalune 1\.0\.0$' bare DISPLAY=:987 "$program" -v -style fusion
  says 0 any '--version' bare "$program" --bogus --help
}
case_usage() {
  says 2 1 usage bare "$program" --bogus
  says 2 1 "'stray'" bare "$program" -style fusion stray
}
case_platform_option() {  # -platform is a choice of display: the clock runs without one
  bare timeout 2 "$program" -platform offscreen >/dev/null 2>&1
  [ $? -eq 124 ] || fail "-platform offscreen did not run until stopped"
}
case_missing_gothic() {  # the faces a fontconfig file hides: what stands in (offscreen's own warnings aside)
  for hidden in no-ipa-p-gothic:'drawn in IPAPMincho' mincho-and-chinese-gothic:'drawn in IPAMincho' \
    monospaced-only:'drawn in VL Gothic' no-japanese:'Japanese texts cannot be shown'; do
    says 124 1 "IPA P Gothic .*fonts-ipafont-gothic.*${hidden#*:}" bare FONTCONFIG_FILE="$fonts/${hidden%%:*}.conf" \
      XDG_RUNTIME_DIR="$dir" QT_LOGGING_RULES=default.warning=false timeout 2 "$program" -platform offscreen
  done
}
for case in case_no_display case_wayland_without_plugin case_help_and_version case_usage case_platform_option \
  case_missing_gothic; do
  "$case"
done
[ "$failures" -eq 0 ] && echo "PASS: refuses without a display, answers its options, names a missing face"
