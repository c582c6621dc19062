#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real orvanta's notifications in message mode 1 ("Baloncuk"), on a
# private session bus with a notification server of the test's own
# (desktop_bus_doubles.py) and a PulseAudio null sink, its clock started
# three seconds before the Öğle ezan of 1 January 2014 at İstanbul. Where
# the server offers actions, the ezan's notice carries "Sesi Durdur" with
# the desktop entry and icon hints; choosing it stops the ezan and the
# notice comes back without the button. Where the server has no actions,
# the notice is the same without the button and the ezan plays on.
# Usage: notice_actions_e2e.sh PATH/TO/orvanta. Exit 77 (skipped) without the tools.
set -u
. "$(dirname "$0")/private_bus.sh"
orvanta=$1
app_id=org.orvanta.Orvanta

. "$(dirname "$0")/x_session.sh"
require_tools pulseaudio pactl gdbus
require_libfaketime
require_bus_doubles

make_istanbul_folder <<'INI'
Ezan/Salâ=Evet
iletiler=1
INI
write_long_ezan "$ORVANTA_HOME/ezan.wav"
start_null_sink

# The first Öğle notice in FILE (JSON lines): the one for the ezan; the
# program may have said before it that it found no tray.
ezan_notice() { grep -m 1 '"summary": "ÖĞLE"' "$1"; }
# field FILE EXPRESSION: EXPRESSION over the ezan's notice in FILE.
field() { ezan_notice "$1" | /usr/bin/python3 -c 'import json, sys; notice = json.load(sys.stdin); print(eval(sys.argv[1]))' "$2"; }
# notices_with_button FILE: how many notices in FILE carry a button.
notices_with_button() { grep -c '"actions": \["' "$1"; }

# run_until_ezan_notice NAME [actions]: a notification server (with
# actions when asked) writing to $work/NAME.notices, and the program with
# its clock at 12:14:57 until the ezan's notice has come and sounds.
run_until_ezan_notice() {
  local name=$1
  shift
  [ -n "${server_pid:-}" ] && kill "$server_pid" "$main_pid" 2>/dev/null
  wait_for 50 sh -c '! gdbus introspect --session --dest org.freedesktop.Notifications --object-path / >/dev/null 2>&1'
  "$doubles" notifications "$@" >"$work/$name.notices" 2>"$work/$name.server.log" &
  server_pid=$!
  pids+=("$server_pid")
  wait_for 50 gdbus introspect --session --dest org.freedesktop.Notifications --object-path /org/freedesktop/Notifications \
    || { cat "$work/$name.server.log"; fail "the notification server did not come"; }
  QT_QPA_PLATFORM=offscreen LD_PRELOAD=$libfaketime FAKETIME='@2014-01-01 12:14:57' FAKETIME_DONT_FAKE_MONOTONIC=1 \
    "$orvanta" >"$work/$name.log" 2>&1 &
  main_pid=$!
  pids+=("$main_pid")
  wait_for 150 ezan_notice "$work/$name.notices" || { cat "$work/$name.log"; fail "no notice at 12:15 ($name)"; }
  wait_for 50 playing || fail "no ezan plays at 12:15 ($name)"
}

run_until_ezan_notice buttons actions
notices=$work/buttons.notices
[ "$(field "$notices" 'notice["actions"][1]')" = 'Sesi Durdur' ] || fail "no Sesi Durdur on $(ezan_notice "$notices")"
[ "$(field "$notices" 'notice["hints"]["desktop-entry"]')" = $app_id ] || fail "no desktop entry in $(ezan_notice "$notices")"
[ "$(field "$notices" 'notice["icon"]')" = $app_id ] || fail "the notice's icon is not the program's: $(ezan_notice "$notices")"
[ -n "$(field "$notices" 'notice["hints"].get("image-path", "")')" ] || fail "no icon hint in $(ezan_notice "$notices")"
echo "ok: the ezan's notice carries Sesi Durdur, the desktop entry and the icon while the ezan plays"

notice_id=$(field "$notices" 'notice["id"]')
action_key=$(field "$notices" 'notice["actions"][0]')
gdbus call --session --dest org.freedesktop.Notifications --object-path /org/freedesktop/Notifications \
  --method org.orvanta.TestNotifications.InvokeAction "$notice_id" "$action_key" >/dev/null || fail "InvokeAction failed"
wait_for 30 sh -c "! pactl list sink-inputs | grep -q 'Corked: no'" || fail "Sesi Durdur left the ezan playing"
wait_for 30 test "$(grep -c "\"replaces\": $notice_id" "$notices")" -ge 1 || fail "the notice kept its button after the ezan stopped"
[ "$(notices_with_button "$notices")" -eq 1 ] || fail "the button came back: $(cat "$notices")"
echo "ok: choosing Sesi Durdur stopped the ezan and the notice came back without the button"

run_until_ezan_notice plain
notices=$work/plain.notices
[ "$(field "$notices" 'len(notice["actions"])')" -eq 0 ] || fail "a button on a server without actions: $(ezan_notice "$notices")"
[ "$(field "$notices" 'notice["hints"]["desktop-entry"]')" = $app_id ] || fail "no desktop entry in $(ezan_notice "$notices")"
sleep 1
playing || fail "the ezan stopped on its own"
echo "ok: without actions on the server the notice is the same without the button, and the ezan plays on"
echo "1 passed, 0 failed"
