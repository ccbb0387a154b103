#!/usr/bin/env bash
# packaging_test.sh <build> install|deb: an install puts every desktop file where desktops look, each valid;
# the .deb installs with apt, depends on the font and the toolkit, and its program's window maps.
set -uo pipefail
build=$1 root=$(mktemp -d) pid=''
fail() { echo "FAIL: $*" >&2; [ -n "${XSESSION_DIR:-}" ] && cat "$root/stderr" "$XSESSION_DIR"/*.log >&2; exit 1; }
trap 'kill $pid 2>/dev/null; xsession_stop 2>/dev/null; [ "$2" = deb ] && apt-get remove -y orbalune >/dev/null 2>&1; rm -rf "$root"' EXIT
if [ "$2" = install ]; then
  DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null || fail "install failed"
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
  diff=$(compare -metric AE "$(dirname "$0")/../../window/orbalune_icon.xpm" "$share/icons/hicolor/32x32/apps/$id.png" null: 2>&1)
  [ "$diff" = "0" ] || fail "32 px icon differs from the window icon in $diff pixels"
  echo "PASS: install"; exit 0
fi
[ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null || { echo "SKIP: installing a package takes root and apt-get"; exit 77; }
dpkg-query -W -f='${Status}' orbalune 2>/dev/null | grep -q 'install ok' && { echo "SKIP: an orbalune package is installed already"; exit 77; }
(cd "$root" && cpack --config "$build/CPackConfig.cmake" -B "$root" >/dev/null) || fail "cpack failed"
deb=$(ls "$root"/orbalune_*.deb) depends=$(dpkg-deb -f "$root"/orbalune_*.deb Depends)
[[ $depends == *fonts-ipafont-gothic* && $depends == *libqt6widgets6* ]] || fail "Depends: $depends"
apt-get install -y "$deb" >/dev/null 2>&1 && [ -x /usr/bin/orbalune ] || fail "apt-get install failed"
. "$(dirname "$0")/../../scripts/lib/xsession.sh"
xsession_start || fail "no virtual display"
/usr/bin/orbalune 2>"$root/stderr" &
pid=$!
# The first start after an install may wait on freshly triggered caches.
xsession_wait_window Orbalune 20 >/dev/null || fail "the installed program's window did not map"
echo "PASS: deb"
