#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# lint_fails_test.sh <build>: scripts/lint fails when clang-tidy crashes or fails without a word, passes when
# it is clean, and its include check fails on an include against the house's direction.
set -uo pipefail
build=$1 root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/tests/support/harness.sh"
command -v clang-format >/dev/null || { echo "SKIP: clang-format is not installed"; exit 77; }
# A stand-in clang-tidy, first on the PATH, that does what $ORBALUNE_TIDY says.
printf '#!/bin/sh\ncase "$ORBALUNE_TIDY" in crash) kill -SEGV $$ ;; silent) exit 1 ;; esac\n' >"$dir/clang-tidy"
chmod +x "$dir/clang-tidy"
lint() { ORBALUNE_TIDY=$1 PATH="$dir:$PATH" "$root/scripts/lint" "$build" >"$dir/out" 2>&1; }
for how in crash silent; do
  lint "$how" && fail "lint passed with clang-tidy failing ($how)"
  grep -q 'clang-tidy failed on' "$dir/out" || fail "lint did not name clang-tidy's failure ($how): $(cat "$dir/out")"
done
lint clean || fail "lint failed with clang-tidy clean: $(cat "$dir/out")"
mkdir -p "$dir/tree/engine" && echo '#include <QString>' >"$dir/tree/engine/row.h"
"$root/scripts/check-includes" "$dir/tree" >/dev/null && fail "the include check let Qt into the engine"
finish "lint fails when its checks fail"
