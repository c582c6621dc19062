#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The first run of the real orvanta under Xvfb with a tray host, TZ=Europe/Berlin
# and an empty program folder: the welcome opens with Berlin guessed, two
# presses of Enter finish it, and the settings file then holds Berlin, its
# zone, the Diyanet values, and the autostart entry is there. A second first
# run cancelled with Esc leaves the tip at "Yer seçilmedi", and no ezan comes
# at the minute Öğle would have had for 0°/0°.
# Usage: first_run_e2e.sh PATH/TO/orvanta PATH/TO/orvanta-cli PLACE_LIST.csv.
# Exit 77 (skipped) without the tools.
set -u
orvanta=$1
cli=$2
places=$3

. "$(dirname "$0")/x_session.sh"
require_tools Xvfb trayer xdotool xwininfo
require_libfaketime

start_xvfb
start_tray_host_and_settle

# An empty program folder of its own for each run, with the place list.
fresh_program_folder() {
  make_program_folder </dev/null
  rm -f "$work/home/orvanta.ini"
  rm -rf "$work/config"
  cp "$places" "$work/home/orvanta.csv"
  export TZ=Europe/Berlin XDG_CONFIG_HOME=$work/config
}
welcome() { xdotool search --onlyvisible --name "Orvanta'ya Hoş Geldiniz"; }
start_orvanta() {
  LD_PRELOAD=$libfaketime FAKETIME="$1" FAKETIME_DONT_FAKE_MONOTONIC=1 "$orvanta" >"$work/log" 2>&1 &
  main_pid=$!
  pids+=("$main_pid")
  wait_for 300 welcome || { cat "$work/log"; fail "the welcome did not open"; }
  xdotool windowactivate --sync "$(welcome | head -n 1)" 2>/dev/null || xdotool windowfocus "$(welcome | head -n 1)"
  sleep 0.5
}
stop_orvanta() {
  kill -TERM "$main_pid"
  wait "$main_pid" 2>/dev/null
}
ini_has() { grep -qx "$1" "$work/home/orvanta.ini"; }

# ---- accepted with the keyboard alone
fresh_program_folder
start_orvanta '@2014-01-01 11:00:00'
xdotool key Return
sleep 0.5
xdotool key Return
wait_for 100 test -s "$work/home/orvanta.ini" || fail "the welcome wrote no settings file"
ini_has 'Şehir Adı=Berlin' || { cat "$work/home/orvanta.ini"; fail "the place is not Berlin"; }
ini_has 'Saat Dilimi=Europe/Berlin' || fail "no zone key"
ini_has 'Liste Kullan=1' || fail "the place is not the list's"
ini_has 'İMSAK temkini=-6' || { cat "$work/home/orvanta.ini"; fail "not the Diyanet values"; }
test -f "$work/config/autostart/orvanta.desktop" || fail "no autostart entry"
welcome >/dev/null && fail "the welcome is still open"
echo "ok: the first run accepted with Enter twice left Berlin, its zone, the Diyanet values and the autostart entry"
stop_orvanta

# ---- cancelled: nothing is counted, no ezan rings for 0°/0°
fresh_program_folder
ogle=$("$cli" times --lat 0 --lon 0 --offset 0 --date 2014-01-01 | cut -d' ' -f6)
start_orvanta "@2014-01-01 ${ogle}:00"
xdotool key Escape
wait_for 50 sh -c "! xdotool search --onlyvisible --name \"Orvanta'ya Hoş Geldiniz\"" || fail "Esc did not close the welcome"
"$orvanta" --toggle-strip
wait_for 100 xdotool search --onlyvisible --name '^Yer seçilmedi$' || { cat "$work/log"; fail "the tip is not 'Yer seçilmedi'"; }
echo "ok: cancelled, the tip says 'Yer seçilmedi'"
sleep 62
xdotool search --onlyvisible --name '^Orvanta$' >/dev/null && fail "an ezan box came for 0°/0° at $ogle"
wait_for 10 xdotool search --onlyvisible --name '^Yer seçilmedi$' || fail "the tip changed"
[ -e "$work/home/orvanta.ini" ] && grep -q '^Enlem=' "$work/home/orvanta.ini" && fail "a place was written"
echo "ok: no ezan at $ogle (Öğle of 0°/0°), and no place written"
stop_orvanta
echo "2 passed, 0 failed"
