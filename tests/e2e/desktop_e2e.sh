#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real orvanta under Xvfb with a tray host (trayer), on a temporary
# program folder, its clock started ten seconds before the Öğle ezan of
# 1 January 2014 at İstanbul (UTC+2): the icon docks, the tip counts down,
# a second start leaves the first alone, the ezan box comes at 12:15 and
# holds nothing back (the tip moves on, the tray menu opens while it and
# "Hesap Parametreleri" are open), the kerahet warning (İsfirar moved to
# 12:36 by its temkin) replaces it at 12:16 and the box's end plays the
# prayer after the ezan, a restarted tray host gets the icon back, SIGTERM
# saves the tray toggles. SCREENSHOTS=folder keeps pictures of the screen.
# Usage: desktop_e2e.sh PATH/TO/orvanta. Exit 77 (skipped) without the tools.
set -u
orvanta=$1

. "$(dirname "$0")/x_session.sh"
require_tools Xvfb trayer xdotool xwininfo
require_libfaketime

start_xvfb
start_tray_host_and_settle
make_program_folder <<'INI'
[Hesap Paramatreleri]
Enlem=4101
Boylam=2897
Saat Farkı=120
ASR-I SANİ temkini=-213
[Seçenekler]
Ezan/Salâ=Evet
iletiler=2
Hatırlat=Evet
Hatırlatma Süresi=20
INI

LD_PRELOAD=$libfaketime FAKETIME='@2014-01-01 12:14:50' FAKETIME_DONT_FAKE_MONOTONIC=1 \
  QT_LOGGING_RULES='orvanta.sound.debug=true' "$orvanta" >"$work/log" 2>&1 &
main_pid=$!
pids+=("$main_pid")

strip_text() { xdotool getwindowname "$(xdotool search --onlyvisible --name 'vaktine kalan' | head -n 1)"; }
strip_says() { [ "$(strip_text)" = "$1" ]; }
strip_says_next_time() { strip_text | grep -v '^ÖĞLE' | grep -q 'vaktine kalan süre'; }
# A right click on the docked icon; the menu shows as a new visible window
# of the program's, closed again with Escape.
tray_menu_opens() {
  local icon before
  icon=$(xwininfo -tree -name panel | awk '/\("orvanta" "Orvanta"\)/ {print $1; exit}')
  before=$(xdotool search --onlyvisible --pid "$main_pid" 2>/dev/null | wc -l)
  xdotool mousemove --window "$icon" 4 4 click 3
  wait_for 30 test "$(xdotool search --onlyvisible --pid "$main_pid" 2>/dev/null | wc -l)" -gt "$before"
}

wait_for 200 icon_docked || { xwininfo -root -tree; cat "$work/log"; fail "the icon did not dock"; }
echo "ok: the icon docked"

"$orvanta" || fail "a second start did not exit 0"
kill -0 "$main_pid" || fail "a second start ended the first"
echo "ok: a second start exits 0 and leaves the first running"

"$orvanta" --toggle-strip
wait_for 100 xdotool search --onlyvisible --name 'vaktine kalan' || fail "the time strip did not show"
tip=$(xdotool getwindowname "$(xdotool search --onlyvisible --name 'vaktine kalan' | head -n 1)")
[ "$tip" = "ÖĞLE vaktine kalan süre =  0:01" ] || fail "tip is '$tip'"
echo "ok: the tip counts down: $tip"

wait_for 200 xdotool search --onlyvisible --name '^Orvanta$' || fail "no ezan box at 12:15"
ezan_box=$(xdotool search --onlyvisible --name '^Orvanta$' | head -n 1)
echo "ok: the ezan box is on screen at 12:15"
wait_for 50 strip_says 'ÖĞLE vaktine kalan süre =  0:00' || fail "the tip stayed at '$(strip_text)' behind the box"
echo "ok: the tip moved on while the box waits: $(strip_text)"
screenshot ezan-box

tray_menu_opens || fail "the tray menu did not open while the ezan box was open"
echo "ok: the tray menu opens while the ezan box is open"
# Down to "Hesap Parametreleri", the eleventh entry.
xdotool key --delay 50 Down Down Down Down Down Down Down Down Down Down Down Return
wait_for 50 xdotool search --onlyvisible --name '^Hesap Parametreleri$' || fail "Hesap Parametreleri did not open"
tray_menu_opens || fail "the tray menu did not open while Hesap Parametreleri was open"
screenshot menu-over-dialog
xdotool key Escape
echo "ok: the tray menu opens while Hesap Parametreleri is open"
grep -q 'ezandua.wav' "$work/log" && fail "the prayer after the ezan played before the box closed"

wait_for 700 strip_says_next_time || fail "the tip did not count past Öğle at 12:16: '$(strip_text)'"
wait_for 50 sh -c "! xwininfo -id $ezan_box -stats | grep -q IsViewable" || fail "the ezan box was not replaced"
warning_box=$(xdotool search --onlyvisible --name '^Orvanta$' | head -n 1)
[ -n "$warning_box" ] && [ "$warning_box" != "$ezan_box" ] || fail "no warning box at 12:16"
screenshot warning-box
grep -q 'starting .*ezandua.wav' "$work/log" || { cat "$work/log"; fail "closing the ezan box did not play ezandua.wav"; }
echo "ok: the warning at 12:16 replaced the ezan box, whose end played ezandua.wav"

kill "$tray_pid"
wait "$tray_pid" 2>/dev/null
start_tray_host
wait_for 100 icon_docked || fail "the icon did not come back to the restarted tray host"
echo "ok: the icon came back to the restarted tray host"

kill -TERM "$main_pid"
wait "$main_pid"
status=$?
[ "$status" -eq 0 ] || fail "SIGTERM ended the program with status $status"
grep -q '^Uyandır=Hayır$' "$work/home/orvanta.ini" || fail "SIGTERM did not save the tray toggles"
grep -q '^Ezan/Salâ=Evet$' "$work/home/orvanta.ini" || fail "SIGTERM did not save the tray toggles"
echo "ok: SIGTERM saved the tray toggles and ended with status 0"
echo "1 passed, 0 failed"
