#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# refuses_without_display_test.sh <orbalune> <refuse_calls.so> <folder of fontconfig files>: what only the built
# program shows. Without a display (none, a dead one through Qt's fatal path, Wayland alone without Qt's plugin):
# one line and status 1, never a core dump. Its options answered before any display is looked for. Without
# IPA P Gothic: one line names it and what stands in, and the clock runs on.
program=$1 preload=$2 fonts=$3
. "$(dirname "$0")/../support/harness.sh"
python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$dir/wayland-9"
offscreen="timeout 2 $program -platform offscreen"
# Status, lines said (on stdout for status 0, else on stderr), a pattern among them | the command, with no display.
while IFS='|' read -r status lines word command; do
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$dir" QT_LOGGING_RULES=default.warning=false \
    bash -c "$command" >"$dir/1" 2>"$dir/2"
  rc=$? said=$dir/2
  [ "$status" -ne 0 ] || said=$dir/1
  [ "$rc" -eq "$status" ] || fail "$command: status $rc, want $status; said: $(cat "$dir/2")"
  [ "$lines" = any ] || [ "$(wc -l <"$said")" -eq "$lines" ] || fail "$command: want $lines lines: $(cat "$said")"
  [ -z "$word" ] || grep -qi -- "$word" "$said" || fail "$command: no '$word' in: $(cat "$said")"
done <<ROWS
1|1|display|$program
1|1|display|DISPLAY=:987 $program
1|1|qt6-wayland|WAYLAND_DISPLAY=wayland-9 ORBALUNE_HIDE=libqwayland- LD_PRELOAD=$preload $program
0|1|^orbalune 1\.0\.0$|DISPLAY=:987 $program -v -style fusion
0|any|--version|$program --bogus --help
2|1|usage|$program --bogus
124|0||$offscreen
124|1|IPA P Gothic .*fonts-ipafont-gothic.*drawn in IPAPMincho|FONTCONFIG_FILE=$fonts/no-ipa-p-gothic.conf $offscreen
124|1|IPA P Gothic .*drawn in IPAMincho|FONTCONFIG_FILE=$fonts/mincho-and-chinese-gothic.conf $offscreen
124|1|IPA P Gothic .*drawn in VL Gothic|FONTCONFIG_FILE=$fonts/monospaced-only.conf $offscreen
124|1|IPA P Gothic .*Japanese texts cannot be shown|FONTCONFIG_FILE=$fonts/no-japanese.conf $offscreen
ROWS
finish "refuses without a display, answers its options, names a missing face"
