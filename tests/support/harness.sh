# SPDX-License-Identifier: GPL-3.0-or-later
# Source me: what every shell test shares. A private folder $dir, removed at exit after the commands in $on_exit;
# `fail` says what broke and counts it; `finish WHAT` says PASS, or exits 1 after a failure.
dir=$(mktemp -d) failures=0 on_exit=:
trap 'eval "$on_exit"; rm -rf "$dir"' EXIT
fail() { echo "FAIL${fail_context:+ [$fail_context]}: $*" >&2; failures=$((failures + 1)); }
finish() { [ "$failures" -eq 0 ] || exit 1; echo "PASS: $*"; }
# A sanitizer build wants its runtime first; a preloaded library goes in after it.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
