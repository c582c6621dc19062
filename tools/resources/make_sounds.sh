#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the three default sounds into resources/: short signals that stand
# in for recordings, which cannot be shipped here. Each is plucked notes
# softened by a low-pass filter, with a little reverb, 22050 Hz mono 16-bit PCM:
#   ezan.wav     the ezan: a rising D major arpeggio, D4 F#4 A4 D5, held
#   sala.wav     the salâ: a falling call, A4 F#4 repeated
#   ezandua.wav  the prayer after the ezan: a soft G4 D4 close
# Needs sox (Debian package sox). Usage: tools/resources/make_sounds.sh
set -euo pipefail
out="$(cd "$(dirname "$0")/../.." && pwd)/resources"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# note NAME PITCH SECONDS: one plucked note with a short fade-in (no click)
# and a fade-out to silence at its end.
note() {
  sox -R -q -n -r 22050 -c 1 -b 16 "$work/$1.wav" synth "$3" pluck "$2" fade q 0.005 "$3" "$(awk -v s="$3" 'BEGIN { print s * 0.6 }')"
}
# sound FILE NOTE...: the notes one after another, reverb, normalised to
# -3 dB with a quarter-second tail of silence.
sound() {
  local file="$1"; shift
  local parts=()
  for n in "$@"; do parts+=("$work/$n.wav"); done
  sox -R -q "${parts[@]}" -r 22050 -c 1 -b 16 "$out/$file" lowpass 2500 reverb 40 50 60 gain -n -3 pad 0 0.25
}

note d4 D4 0.7;  note fs4 F#4 0.7;  note a4 A4 0.7;  note d5 D5 1.8
note a4c A4 0.6; note fs4c F#4 0.9
note g4s G4 0.9; note d4s D4 1.6
sound ezan.wav d4 fs4 a4 d5
sound sala.wav a4c fs4c a4c fs4c
sound ezandua.wav g4s d4s
ls -l "$out"/ezan.wav "$out"/sala.wav "$out"/ezandua.wav
