#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real orvanta's sound on a private PulseAudio server with a null sink:
# the program is started three seconds before the Öğle ezan of 1 January
# 2014 at İstanbul, and what reaches the sink's monitor is recorded. The
# default ezan sounds within 5 s of the minute (the delay from the pass to
# the first audible sample is printed); nothing sounds while "Ezan/Salâ" is
# off; a WAV that carries MP3 data (orvanta-cli mp3wav) plays too.
# Usage: sound_e2e.sh orvanta orvanta-cli first_sound. Exit 77: skipped.
set -u
orvanta=$1 cli=$2 first_sound=$3
resources=$(cd "$(dirname "$0")/../../resources" && pwd)

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }
for tool in pulseaudio parec lame; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (tools/dev/install-deps.sh installs it)"
done
libfaketime=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1)
[ -n "$libfaketime" ] || skip "libfaketime is not installed (Debian package faketime)"

work=$(mktemp -d)
mkdir -p "$work/run" && chmod 700 "$work/run"
# A server of the test's own: nothing reaches the speakers of a desktop
# this runs on.
export XDG_RUNTIME_DIR=$work/run HOME=$work PULSE_SERVER=unix:$work/run/pulse/native
pulseaudio --daemonize=no -n --exit-idle-time=-1 --log-target=stderr \
  --load='module-null-sink sink_name=nul' --load=module-native-protocol-unix 2>"$work/pulse.log" &
pulse_pid=$!
trap 'kill $pulse_pid 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
for ((i = 0; i < 50; i++)); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { cat "$work/pulse.log"; skip "PulseAudio did not start"; }

# run_until_after_ezan NAME OPTIONS: a program folder with the options,
# the program and the recorder for nine seconds; leaves $work/NAME.rec
# (audible_samples, first_audible) and $work/NAME.log.
run_until_after_ezan() {
  local name=$1 options=$2 home=$work/$1
  mkdir -p "$home"
  printf '[Hesap Paramatreleri]\nEnlem=4101\nBoylam=2897\nSaat Farkı=120\n[Seçenekler]\niletiler=1\n%s\n' \
    "$options" >"$home/orvanta.ini"
  timeout 9 parec -d nul.monitor --raw --format=s16le --channels=1 --rate=22050 --latency-msec=10 \
    | "$first_sound" 22050 >"$work/$name.rec" &
  local recorder=$!
  ORVANTA_HOME=$home TZ=Europe/Istanbul QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='orvanta.sound.debug=true' \
    LD_PRELOAD=$libfaketime FAKETIME='@2014-01-01 12:14:57' FAKETIME_DONT_FAKE_MONOTONIC=1 \
    timeout 8.5 "$orvanta" >"$work/$name.log" 2>&1
  wait "$recorder"
}
audible_samples() { sed -n 's/^audible_samples=//p' "$work/$1.rec"; }

run_until_after_ezan default 'Ezan/Salâ=Evet'
started=$(sed -n 's/.*starting .* at monotonic \([0-9.]*\).*/\1/p' "$work/default.log" | head -n 1)
[ -n "$started" ] || { cat "$work/default.log"; fail "the ezan did not start at 12:15"; }
first=$(sed -n 's/^first_audible=//p' "$work/default.rec")
[ "$(audible_samples default)" -gt 22050 ] || fail "the ezan was not heard: $(cat "$work/default.rec")"
delay_ms=$(awk -v heard="$first" -v started="$started" 'BEGIN { printf "%d", (heard - started) * 1000 }')
[ "$delay_ms" -le 5000 ] || fail "the ezan came ${delay_ms} ms after its pass"
echo "ok: the ezan is heard at 12:15, ${delay_ms} ms after the pass that fired it"

run_until_after_ezan off 'Ezan/Salâ=Hayır'
[ "$(audible_samples off)" -eq 0 ] || fail "sound while Ezan/Salâ is off: $(cat "$work/off.rec")"
echo "ok: silent while Ezan/Salâ is off"

lame --quiet "$resources/ezan.wav" "$work/ezan.mp3" || fail "lame could not encode"
mkdir -p "$work/mp3"
"$cli" mp3wav "$work/ezan.mp3" "$work/mp3/mpeg.wav" || fail "orvanta-cli mp3wav failed"
run_until_after_ezan mp3 $'Ezan/Salâ=Evet\nÖĞLE=mpeg.wav'
[ "$(audible_samples mp3)" -gt 22050 ] || fail "the MP3-in-WAV ezan was not heard: $(cat "$work/mp3.rec")"
echo "ok: a WAV carrying MP3 data plays"
