#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshots of resources/org.orvanta.Orvanta.metainfo.xml from
# the real program on a private X server (Xvfb, with trayer as the tray
# host), at İstanbul on 7 December 2026, 10:30: the "Vakitler" panel, the
# "Hesap Parametreleri" dialog and the time strip, each window alone, as
# PNG files in resources/screenshots/. Needs Xvfb, trayer, xdotool, xwd,
# faketime and netpbm (xwdtopnm, pnmtopng); tools/dev/install-deps.sh
# installs them.
# Usage: tools/resources/make_screenshots.sh PATH/TO/orvanta
set -u -o pipefail
orvanta=$(realpath "$1")
repo="$(cd "$(dirname "$0")/../.." && pwd)"
out="$repo/resources/screenshots"

. "$repo/tests/e2e/x_session.sh"
require_tools Xvfb trayer xdotool xwininfo xwd xwdtopnm pnmtopng
require_libfaketime

start_xvfb
start_tray_host_and_settle
make_program_folder <<'INI'
[Hesap Paramatreleri]
Enlem=4101
Boylam=2897
Saat Farkı=180
Şehir Adı=İstanbul
Ülke Adı=Türkiye
[Seçenekler]
iletiler=2
INI

LD_PRELOAD=$libfaketime FAKETIME='@2026-12-07 10:30:00' FAKETIME_DONT_FAKE_MONOTONIC=1 "$orvanta" >"$work/log" 2>&1 &
pids+=($!)
wait_for 200 icon_docked || { cat "$work/log"; fail "the icon did not dock"; }

# window NAME-PATTERN: the id of the visible window whose title matches.
window() {
  local id
  id=$(xdotool search --onlyvisible --name "$1" | head -n 1)
  [ -n "$id" ] && echo "$id"
}
# shoot WINDOW FILE: the window's pixels as a PNG.
shoot() {
  sleep 1
  xwd -silent -id "$1" | xwdtopnm 2>/dev/null | pnmtopng -compression 9 >"$out/$2" || fail "no picture of $2"
  echo "wrote resources/screenshots/$2"
}
# menu KEYS...: opens the tray menu with a right click on the icon and
# walks it with the keys.
menu() {
  local icon
  icon=$(xdotool search --class '^orvanta$' | head -n 1)
  xdotool mousemove --window "$icon" 4 4 click 3
  sleep 1
  xdotool key "$@"
}

# open TITLE KEYS...: opens a window through the tray menu; the first
# click after the icon docks may come before the menu is ready, so the
# menu is tried three times.
open() {
  local title=$1; shift
  for attempt in 1 2 3; do
    menu "$@"
    wait_for 50 window "$title" && return 0
    xdotool key Escape
  done
  fail "the window '$title' did not open"
}

mkdir -p "$out"
open 'Türkiye' Down Return
shoot "$(window 'Türkiye')" vakitler.png

open '^Hesap Parametreleri$' Down Down Down Down Down Down Down Down Down Down Down Return
shoot "$(window '^Hesap Parametreleri$')" hesap-parametreleri.png

"$orvanta" --toggle-strip
wait_for 100 window 'vaktine kalan' || fail "the time strip did not show"
shoot "$(window 'vaktine kalan')" time-strip.png
