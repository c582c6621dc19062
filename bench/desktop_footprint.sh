#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the desktop program under Xvfb with a tray host (trayer):
#   - cold start to icon docked (median of 5 starts)
#   - resident memory after start, before any sound
#   - resident memory after an ezan (clock started just before Öğle with
#     libfaketime; a 3-second WAV as ezan.wav)
#   - CPU used and wakeups (voluntary context switches of all its threads)
#     while idle, nothing on screen, over IDLE_SECONDS (default 60)
#   - the first audible sample of an ezan after its minute begins, on a
#     private PulseAudio null sink (needs pulseaudio, parec and the
#     first_sound helper the end-to-end tests build)
# Usage: bench/desktop_footprint.sh [PATH/TO/orvanta [PATH/TO/first_sound]]
set -euo pipefail
orvanta=${1:-build/app/orvanta}
first_sound=${2:-build/tests/first_sound}
idle_seconds=${IDLE_SECONDS:-60}
libfaketime=$(ls /usr/lib/*/faketime/libfaketime.so.1 | head -n 1)
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
while [ ! -s "$work/display" ]; do sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
trayer --edge top --align right --widthtype pixel --width 200 --heighttype pixel --height 24 >/dev/null 2>&1 &
pids+=($!)
until xwininfo -name panel >/dev/null 2>&1; do sleep 0.05; done

mkdir -p "$work/home" "$work/run"
chmod 700 "$work/run"
printf '[Hesap Paramatreleri]\nEnlem=4101\nBoylam=2897\nSaat Farkı=120\n[Seçenekler]\nEzan/Salâ=Evet\niletiler=1\n' \
  >"$work/home/orvanta.ini"
python3 - "$work/home/ezan.wav" <<'PY'
import math, struct, sys, wave
with wave.open(sys.argv[1], "wb") as w:
    w.setnchannels(1); w.setsampwidth(2); w.setframerate(22050)
    w.writeframes(b"".join(struct.pack("<h", int(8000 * math.sin(2 * math.pi * 440 * i / 22050))) for i in range(3 * 22050)))
PY
export ORVANTA_HOME=$work/home XDG_RUNTIME_DIR=$work/run TZ=Europe/Istanbul
docked() { xwininfo -tree -name panel | grep -qi '("orvanta" "orvanta")'; }
rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
wakeups() { cat /proc/"$1"/task/*/status | awk '/^voluntary_ctxt_switches/ {n += $2} END {print n}'; }

starts=()
for run in 1 2 3 4 5; do
  t0=$(date +%s%N)
  "$orvanta" >/dev/null 2>&1 &
  pid=$!
  until docked; do sleep 0.005; done
  starts+=($(( ($(date +%s%N) - t0) / 1000000 )))
  [ "$run" -lt 5 ] && { kill -TERM "$pid"; wait "$pid" || true; }
done
sorted=$(printf '%s\n' "${starts[@]}" | sort -n | tr '\n' ' ')
echo "cold start to icon docked: median $(printf '%s\n' "${starts[@]}" | sort -n | sed -n 3p) ms (runs: $sorted)"
sleep 2
echo "resident memory after start: $(( $(rss_kb "$pid") / 1024 )) MB"

ticks_per_second=$(getconf CLK_TCK)
before=$(cpu_ticks "$pid")
woken_before=$(wakeups "$pid")
sleep "$idle_seconds"
after=$(cpu_ticks "$pid")
woken=$(( $(wakeups "$pid") - woken_before ))
echo "CPU while idle: $(( after - before )) ticks of 1/$ticks_per_second s over $idle_seconds s" \
     "= $(python3 -c "print(f'{100 * ($after - $before) / $ticks_per_second / $idle_seconds:.4f}')") %"
echo "wakeups while idle: $woken over $idle_seconds s" \
     "= $(python3 -c "print(f'{60 * $woken / $idle_seconds:.1f}')") per minute"
kill -TERM "$pid"; wait "$pid" || true

# The first ezan sample: the clock starts 3 s before Öğle; the program's
# sound log says when (monotonic) and at which second of the clock the pass
# started the ezan, the sink's monitor when the first audible sample came.
if command -v pulseaudio >/dev/null && command -v parec >/dev/null && [ -x "$first_sound" ]; then
  (
    export XDG_RUNTIME_DIR=$work/run PULSE_SERVER=unix:$work/run/pulse/native
    pulseaudio --daemonize=no -n --exit-idle-time=-1 --load='module-null-sink sink_name=nul' \
      --load=module-native-protocol-unix 2>/dev/null &
    pulse=$!
    for ((i = 0; i < 50; i++)); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    timeout 8 parec -d nul.monitor --raw --format=s16le --channels=1 --rate=22050 --latency-msec=10 \
      | "$first_sound" 22050 >"$work/first.rec" &
    recorder=$!
    sleep 0.5
    LD_PRELOAD=$libfaketime FAKETIME='@2014-01-01 12:14:57' FAKETIME_DONT_FAKE_MONOTONIC=1 \
      QT_LOGGING_RULES='orvanta.sound.debug=true' timeout 7 "$orvanta" >"$work/sound.log" 2>&1 || true
    wait "$recorder" || true
    kill "$pulse" 2>/dev/null || true
    heard=$(sed -n 's/^first_audible=//p' "$work/first.rec")
    read -r started clock < <(sed -n 's/.*starting .* at monotonic \([0-9.]*\), clock 12:\(15:[0-9.]*\).*/\1 \2/p' \
                              "$work/sound.log" | head -n 1)
    seconds_into_minute=${clock#15:}
    echo "first ezan sample after the minute: $(python3 -c \
      "print(round(1000 * ($heard - $started + $seconds_into_minute)))") ms" \
      "(the pass $(python3 -c "print(round(1000 * $seconds_into_minute))") ms after the minute)"
  )
else
  echo "first ezan sample: not measured (pulseaudio, parec or $first_sound missing)"
fi

LD_PRELOAD=$libfaketime FAKETIME='@2014-01-01 12:14:55' FAKETIME_DONT_FAKE_MONOTONIC=1 "$orvanta" >/dev/null 2>&1 &
pid=$!
pids+=("$pid")
sleep 12  # the Öğle pass at 12:15:01 plays ezan.wav
echo "resident memory after an ezan: $(( $(rss_kb "$pid") / 1024 )) MB"
