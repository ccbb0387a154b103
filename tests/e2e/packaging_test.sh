#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# packaging_test.sh <build> install|deb: an install puts every desktop file where desktops look, each valid;
# the .deb of this build passes lintian, its dependencies resolve, and its program, unpacked into a private
# folder (nothing is installed into the machine), opens its window. One function a case.
set -uo pipefail
build=$1 root=$(mktemp -d) pid=''
. "$(dirname "$0")/../../scripts/lib/xsession.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }
trap 'kill $pid 2>/dev/null; xsession_stop; rm -rf "$root"' EXIT
id=io.github.orbalune.Orbalune

case_install() {
  DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null || fail "install failed"
  local share="$root/usr/share" size diff
  [ -x "$root/usr/bin/orbalune" ] || fail "no bin/orbalune"
  desktop-file-validate "$share/applications/$id.desktop" || fail "desktop entry invalid"
  appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >/dev/null || fail "metainfo invalid"
  grep -q '^Name\[ja\]=' "$share/applications/$id.desktop" || fail "no Japanese name"
  for size in 32 64 128 256; do
    [ "$(identify -format '%wx%h' "$share/icons/hicolor/${size}x${size}/apps/$id.png")" = "${size}x${size}" ] ||
      fail "icon $size"
  done
  [ -s "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
  # The 32 x 32 icon is the window's own artwork, pixel for pixel.
  diff=$(compare -metric AE "$(dirname "$0")/../../window/orbalune_icon.xpm" "$share/icons/hicolor/32x32/apps/$id.png" \
    null: 2>&1)
  [ "$diff" = "0" ] || fail "32 px icon differs from the window icon in $diff pixels"
  LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$share/man/man1/orbalune.1.gz" 2>&1 >/dev/null | grep . &&
    fail "the manual page has warnings"
  echo "PASS: install"
}

case_deb() {
  (cd "$root" && cpack --config "$build/CPackConfig.cmake" -B "$root" >/dev/null) || fail "cpack failed"
  local deb depends tags
  deb=$(ls "$root"/orbalune_*.deb) depends=$(dpkg-deb -f "$deb" Depends)
  [[ $depends == *fonts-ipafont-gothic* ]] || fail "no font in Depends: $depends"
  [[ $depends == *libqt6widgets6* ]] || fail "no toolkit in Depends: $depends"
  apt-get install --simulate "$deb" >"$root/apt.log" 2>&1 ||
    fail "its dependencies do not resolve: $(cat "$root/apt.log")"
  # Not one tag, down to the pedantic ones; lintian's own word on stderr (say, on running as root) is no tag.
  tags=$(lintian -I --pedantic --fail-on error,warning,info,pedantic "$deb" 2>"$root/lintian.log") && [ -z "$tags" ] ||
    fail "lintian: $tags $(cat "$root/lintian.log")"
  dpkg-deb -x "$deb" "$root/unpacked" || fail "dpkg-deb -x failed"
  for file in usr/share/man/man1/orbalune.1.gz usr/share/doc/orbalune/copyright usr/share/doc/orbalune/changelog.gz; do
    [ -s "$root/unpacked/$file" ] || fail "no $file in the package"
  done
  xsession_start || fail "no virtual display"
  "$root/unpacked/usr/bin/orbalune" 2>"$root/stderr" &
  pid=$!
  xsession_wait_window Orbalune 20 >/dev/null || fail "the packaged program's window did not map: $(cat "$root/stderr")"
  echo "PASS: deb"
}

"case_$2"
