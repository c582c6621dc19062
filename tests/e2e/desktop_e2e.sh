#!/usr/bin/env bash
# The real orvanta under Xvfb with a tray host (trayer), on a temporary
# program folder, its clock started half a minute before the Öğle ezan of
# 1 January 2014 at İstanbul (UTC+2): the icon docks, the tip counts down,
# a second start leaves the first alone, the ezan box comes at 12:15, a
# restarted tray host gets the icon back, SIGTERM saves the tray toggles.
# Usage: desktop_e2e.sh PATH/TO/orvanta. Exit 77 (skipped) without the tools.
set -u
orvanta=$1

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }
for tool in Xvfb trayer xdotool xwininfo; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (tools/dev/install-deps.sh installs it)"
done
# libfaketime preloaded into orvanta itself (the faketime command would
# stand between the test and the program's signals).
libfaketime=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1)
[ -n "$libfaketime" ] || skip "libfaketime is not installed (Debian package faketime)"

work=$(mktemp -d)
pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

# Polls a command for up to $1 tenths of a second.
wait_for() {
  local tenths=$1; shift
  for ((i = 0; i < tenths; i++)); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
wait_for 100 test -s "$work/display" || skip "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"

start_tray_host() {
  trayer --edge top --align right --widthtype pixel --width 200 --heighttype pixel --height 24 >/dev/null 2>&1 &
  tray_pid=$!
  pids+=("$tray_pid")
}
icon_docked() { xwininfo -tree -name panel | grep -q '("orvanta" "orvanta")'; }
start_tray_host
wait_for 100 xwininfo -root -tree -name panel || skip "trayer did not start"
# trayer maps its window a moment before it owns the tray selection; a
# program started in between finds no tray (and rightly shows the strip).
sleep 1

mkdir -p "$work/home" "$work/run"
chmod 700 "$work/run"
cat >"$work/home/orvanta.ini" <<'INI'
[Hesap Paramatreleri]
Enlem=4101
Boylam=2897
Saat Farkı=120
[Seçenekler]
Ezan/Salâ=Evet
iletiler=2
INI
export ORVANTA_HOME=$work/home XDG_RUNTIME_DIR=$work/run TZ=Europe/Istanbul

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
