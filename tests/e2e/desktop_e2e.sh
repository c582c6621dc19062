#!/usr/bin/env bash
# The real orvanta under Xvfb with a tray host (trayer), on a temporary
# program folder, its clock started half a minute before the Öğle ezan of
# 1 January 2014 at İstanbul (UTC+2): the icon docks, the tip counts down,
# a second start leaves the first alone, the ezan box comes at 12:15, a
# restarted tray host gets the icon back, SIGTERM saves the tray toggles.
# Usage: desktop_e2e.sh PATH/TO/orvanta. Exit 77 (skipped) without the tools.
set -u
orvanta=$1

. "$(dirname "$0")/x_session.sh"
require_tools Xvfb trayer xdotool xwininfo
require_libfaketime

start_istanbul_session <<'INI'
Ezan/Salâ=Evet
iletiler=2
INI

LD_PRELOAD=$libfaketime FAKETIME='@2014-01-01 12:14:30' FAKETIME_DONT_FAKE_MONOTONIC=1 "$orvanta" >"$work/log" 2>&1 &
main_pid=$!
pids+=("$main_pid")

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

wait_for 600 xdotool search --onlyvisible --name '^Orvanta$' || fail "no ezan box at 12:15"
echo "ok: the ezan box is on screen at 12:15"

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
