#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The session-bus interface org.orvanta.Orvanta1 of the real orvanta on a
# private session bus (dbus-run-session), under Xvfb with a tray host and a
# PulseAudio null sink, its clock started before the Öğle ezan of 1 January
# 2014 at İstanbul (UTC+2, Öğle at 12:15): NextName and SecondsLeft agree
# with the tip; TimeEntered comes at the ezan minute; StopSound stops the
# playing ezan; Mute(60) keeps the next ezan silent and shows in the tip.
# Usage: bus_e2e.sh PATH/TO/orvanta. Exit 77 (skipped) without the tools.
set -u
. "$(dirname "$0")/private_bus.sh"
orvanta=$1
interface=org.orvanta.Orvanta1
ogle_at=1388571300  # 2014-01-01 12:15 +02:00

. "$(dirname "$0")/x_session.sh"
require_tools Xvfb trayer xdotool xwininfo gdbus pulseaudio pactl
require_libfaketime

start_istanbul_session <<'INI'
Ezan/Salâ=Evet
iletiler=0
INI
write_long_ezan "$ORVANTA_HOME/ezan.wav"
start_null_sink

bus() { gdbus call --session --dest org.orvanta.Orvanta --object-path /org/orvanta/Orvanta "$@"; }
property() { bus --method org.freedesktop.DBus.Properties.Get "$interface" "$1"; }
strip_text() { xdotool getwindowname "$(xdotool search --onlyvisible --name 'vaktine kalan' | head -n 1)"; }

# start_at TIME: the program with its clock at TIME on 1 January 2014, a
# monitor of its signals in $work/signals, the strip shown over the bus.
start_at() {
  if [ -n "${main_pid:-}" ]; then kill "$main_pid" "$monitor_pid" 2>/dev/null; fi
  wait_for 50 sh -c '! gdbus introspect --session --dest org.orvanta.Orvanta --object-path / >/dev/null 2>&1'
  LD_PRELOAD=$libfaketime FAKETIME="@2014-01-01 $1" FAKETIME_DONT_FAKE_MONOTONIC=1 "$orvanta" >"$work/log" 2>&1 &
  main_pid=$!
  pids+=("$main_pid")
  wait_for 200 property NextName || { cat "$work/log"; fail "the bus name did not come"; }
  gdbus monitor --session --dest org.orvanta.Orvanta >"$work/signals" 2>&1 &
  monitor_pid=$!
  pids+=("$monitor_pid")
  "$orvanta" --toggle-strip || fail "--toggle-strip failed"
  wait_for 100 xdotool search --onlyvisible --name 'vaktine kalan' || fail "ToggleStrip did not show the strip"
}

start_at 12:14:30
introspection=$(gdbus introspect --session --dest org.orvanta.Orvanta --object-path /org/orvanta/Orvanta)
for member in Place Method NextName NextAt SecondsLeft Today Muted TimeEntered Changed StopSound ToggleStrip Mute; do
  grep -q "$member" <<<"$introspection" || fail "$member is not in the introspection"
done
echo "ok: the interface is on the bus and --toggle-strip shows the strip through it"

tip=$(strip_text)
name=$(property NextName)
left=$(property SecondsLeft | sed -E 's/.* (-?[0-9]+)>.*/\1/')
[ "$name" = "(<'ÖĞLE'>,)" ] || fail "NextName is $name"
[[ "$tip" == "ÖĞLE vaktine kalan süre =  0:01" ]] || fail "the tip is '$tip'"
[ "$(property Place)" = "(<'İstanbul / Türkiye'>,)" ] || fail "Place is $(property Place)"
property Today | grep -q "'12:15'" || fail "Today lacks Öğle: $(property Today)"
echo "ok: NextName $name and SecondsLeft $left agree with the tip '$tip'"

wait_for 450 grep -q "TimeEntered ('ÖĞLE', int64 $ogle_at)" "$work/signals" \
  || { cat "$work/signals"; fail "TimeEntered did not come at 12:15"; }
wait_for 50 playing || fail "no ezan plays at 12:15"
echo "ok: TimeEntered('ÖĞLE', $ogle_at) came and the ezan plays"
bus --method $interface.StopSound >/dev/null || fail "StopSound failed"
wait_for 20 sh -c "! pactl list sink-inputs | grep -q 'Corked: no'" || fail "StopSound left the ezan playing"
echo "ok: StopSound stopped the ezan"

start_at 12:14:40
bus --method $interface.Mute 60 >/dev/null || fail "Mute failed"
[ "$(property Muted)" = "(<true>,)" ] || fail "Muted is $(property Muted)"
wait_for 30 sh -c "xdotool search --onlyvisible --name 'Sessiz' >/dev/null" || fail "the tip does not say the sound is muted: '$(strip_text)'"
wait_for 350 grep -q "TimeEntered ('ÖĞLE'" "$work/signals" || fail "TimeEntered did not come at 12:15"
sleep 2
playing && fail "the muted ezan plays"
echo "ok: after Mute(60) the 12:15 ezan stays silent and the tip says so: '$(strip_text | tr '\n' ' ')'"
