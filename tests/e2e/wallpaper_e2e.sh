#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The live wallpaper on a plain X server: orvanta started with "Duvar"
# set to the globe puts the globe on the root window's background (the
# screen's centre changes and _XROOTPMAP_ID names the picture), and SIGTERM
# puts the server's own background back, pixel for pixel.
# Usage: wallpaper_e2e.sh PATH/TO/orvanta. Exit 77 (skipped) without the tools.
set -u
orvanta=$1

. "$(dirname "$0")/x_session.sh"
require_tools Xvfb trayer xwininfo xwd xprop od md5sum

# Where pixel (x, y) lies in a screen as xwd writes it: after the header and
# the colour map, row by row, blue first (header fields are big-endian:
# 0 its size, 11 bits a pixel, 12 bytes a row, 19 colour map entries).
pixel_offset() {
  local file=$1 x=$2 y=$3
  field() { od -An -tu4 --endian=big -j $((4 * $1)) -N 4 "$file" | tr -d ' '; }
  echo $(($(field 0) + 12 * $(field 19) + y * $(field 12) + x * $(field 11) / 8))
}
screen_pixel() { od -An -tx1 -j "$(pixel_offset "$1" "$2" "$3")" -N 3 "$1" | tr -d ' '; }
# The screen from row y down (the tray host's panel holds the rows above).
screen_from_row() { tail -c +$(($(pixel_offset "$1" 0 "$2") + 1)) "$1"; }
shoot() { xwd -root -silent >"$work/$1.xwd"; }

start_xvfb
start_tray_host_and_settle
shoot before
make_program_folder <<'INI'
[Hesap Paramatreleri]
Enlem=4101
Boylam=2897
Saat Farkı=180
[Seçenekler]
Ezan/Salâ=Evet
iletiler=0
Duvar=Yerküre
INI

"$orvanta" >"$work/log" 2>&1 &
main_pid=$!
pids+=("$main_pid")
wait_for 200 icon_docked || { cat "$work/log"; fail "the icon did not dock"; }
wait_for 100 xprop -root _XROOTPMAP_ID || { cat "$work/log"; fail "no picture was set on the root window"; }
shoot during
[ "$(screen_pixel "$work/before.xwd" 512 384)" != "$(screen_pixel "$work/during.xwd" 512 384)" ] ||
  fail "the screen's centre did not change"
# Outside the globe (401 x 400, centred) the background is black.
[ "$(screen_pixel "$work/during.xwd" 100 600)" = "000000" ] || fail "the globe is not on black"
# The globe's centre is land or sea, lit or dark, but never black.
[ "$(screen_pixel "$work/during.xwd" 512 384)" != "000000" ] || fail "the globe's centre is black"
[ -f "$work/home/wall.bmp" ] || fail "no wall.bmp in the program folder"
echo "ok: the globe is the root window's background, centred on black"

kill -TERM "$main_pid"
wait "$main_pid" || fail "SIGTERM ended the program with an error"
wait_for 50 test ! -e "$work/home/wall.bmp" || fail "the picture was left behind"
xprop -root _XROOTPMAP_ID | grep -q 'not found' || fail "_XROOTPMAP_ID still names the picture"
# The icon leaves the tray host's panel with the program: compare below it.
shoot after
cmp -s <(screen_from_row "$work/before.xwd" 30) <(screen_from_row "$work/after.xwd" 30) ||
  fail "the background was not put back"
echo "ok: at the end the server's own background is back"
echo "1 passed, 0 failed"
