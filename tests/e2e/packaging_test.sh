#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# packaging_test.sh <build> install|deb|reproducible: an install puts every desktop file where desktops look, each
# valid; the .deb of this build passes lintian, its dependencies resolve, and its program, unpacked into a private
# folder (nothing is installed into the machine), opens its window; a second build of these sources, in another
# folder and later, packs the very same bytes. One function a case.
set -uo pipefail
build=$1 src=$(cd "$(dirname "$0")/../.." && pwd) root=$(mktemp -d) pid=''
. "$src/scripts/lib/xsession.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }
trap 'kill $pid 2>/dev/null; xsession_stop; rm -rf "$root"' EXIT
id=io.github.orbalune.Orbalune

case_install() {
  DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null || fail "install failed"
  local share="$root/usr/share" sizes diff
  desktop-file-validate "$share/applications/$id.desktop" || fail "desktop entry invalid"
  appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >/dev/null || fail "metainfo invalid"
  grep -q '^Name\[ja\]=' "$share/applications/$id.desktop" || fail "no Japanese name"
  sizes=$(identify -format '%wx%h ' "$share"/icons/hicolor/{32x32,64x64,128x128,256x256}/apps/$id.png)
  [ "$sizes" = "32x32 64x64 128x128 256x256 " ] || fail "icons of $sizes, want 32x32 64x64 128x128 256x256"
  [ -s "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
  # The 32 x 32 icon is the window's own artwork, pixel for pixel.
  diff=$(compare -metric AE "$src/window/orbalune_icon.xpm" "$share/icons/hicolor/32x32/apps/$id.png" null: 2>&1)
  [ "$diff" = "0" ] || fail "32 px icon differs from the window icon in $diff pixels"
  echo "PASS: install"
}

# pack <build> <folder>: the build's .deb, made in the folder.
pack() { mkdir -p "$2" && (cd "$2" && cpack --config "$1/CPackConfig.cmake" -B "$2" >/dev/null) || fail "cpack: $1"; }

case_deb() {
  pack "$build" "$root"
  local deb depends tags
  deb=$(ls "$root"/orbalune_*.deb) depends=$(dpkg-deb -f "$deb" Depends)
  [[ $depends == *fonts-ipafont-gothic* ]] || fail "no font in Depends: $depends"
  [[ $depends == *libqt6widgets6* ]] || fail "no toolkit in Depends: $depends"
  apt-get install --simulate "$deb" >"$root/apt.log" 2>&1 ||
    fail "its dependencies do not resolve: $(cat "$root/apt.log")"
  # Not one tag, down to the pedantic ones; lintian's own word on stderr (say, on running as root) is no tag. Its tags
  # also hold the copyright, the changelog and the manual page there and well formed (groff's warnings included).
  tags=$(lintian -I --pedantic --fail-on error,warning,info,pedantic "$deb" 2>"$root/lintian.log") && [ -z "$tags" ] ||
    fail "lintian: $tags $(cat "$root/lintian.log")"
  dpkg-deb -x "$deb" "$root/unpacked" || fail "dpkg-deb -x failed"
  xsession_start || fail "no virtual display"
  "$root/unpacked/usr/bin/orbalune" 2>"$root/stderr" & pid=$!
  xsession_wait_window Orbalune 20 >/dev/null || fail "the packaged program's window did not map: $(cat "$root/stderr")"
  echo "PASS: deb"
}

# The details of the package in $root/<side>, one a line, for diff to name what differs between two: every file with
# its mode, owner, date and checksum, and every section of the program with its bytes.
deb_details() {
  cd "$root/$1" && ar x ./*.deb && tar -xOf data.tar.gz ./usr/bin/orbalune >orbalune || return
  tar -xf data.tar.gz --to-command='echo "$TAR_FILENAME $TAR_MODE $TAR_UNAME $TAR_MTIME $(md5sum)"'
  objdump -s orbalune | awk '/^Contents of section/ { s = $4 } /^ / { print "usr/bin/orbalune", s, $0 }'
}

# These sources, edits and history included, copied to another folder and built there later with the app preset:
# the packages of the two builds must be the same bytes.
case_reproducible() {
  cd "$(mktemp -d -p "$root")" && tar -C "$src" --exclude=./build -cf - . | tar -xf - || fail "cannot copy the sources"
  (cmake --preset app && nice -n 10 cmake --build --preset app -j"$(nproc)") >/dev/null || fail "the copy did not build"
  pack "$build" "$root/a"
  pack "$PWD/build/app" "$root/b"
  cmp "$root"/{a,b}/*.deb || fail "the packages differ: $(diff <(deb_details a) <(deb_details b) | head -40)"
  echo "PASS: reproducible"
}

"case_$2"
