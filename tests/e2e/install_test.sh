#!/usr/bin/env bash
# `cmake --install` into a scratch root: every desktop file is where a desktop
# looks for it and passes the validators.
set -euo pipefail
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
DESTDIR="$root" cmake --install "$1" --prefix /usr >/dev/null
id=io.github.orbalune.Orbalune share="$root/usr/share"
[ -x "$root/usr/bin/orbalune" ] || fail "no bin/orbalune"
desktop-file-validate "$share/applications/$id.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >/dev/null || fail "metainfo invalid"
grep -q '^Name\[ja\]=' "$share/applications/$id.desktop" || fail "no Japanese name"
for size in 32 64 128 256; do
  [ "$(identify -format '%wx%h' "$share/icons/hicolor/${size}x${size}/apps/$id.png")" = "${size}x${size}" ] || fail "icon $size"
done
[ -s "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
# The 32 x 32 icon is the window's own artwork, pixel for pixel.
diff=$(compare -metric AE "$(dirname "$0")/../../ui/orbalune_icon.xpm" "$share/icons/hicolor/32x32/apps/$id.png" null: 2>&1 || true)
[ "$diff" = "0" ] || fail "32 px icon differs from the window icon in $diff pixels"
echo "PASS: install"
