#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and starts Orvanta in the notification area. Without a
# graphical session it says so and prints today's ten prayer times for
# İstanbul (41.01° N, 28.97° E, UTC+3) with orvanta-cli instead. Arguments
# are passed to orvanta-cli (e.g. `run.sh times --lat 39.92 ...`).
set -euo pipefail
cd "$(dirname "$0")/../.."
tools/dev/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target orvanta-cli orvanta >/dev/null
if [ $# -gt 0 ]; then
  exec build/tools/cli/orvanta-cli "$@"
fi
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/app/orvanta
fi
echo "No graphical session (DISPLAY/WAYLAND_DISPLAY unset): printing today's İstanbul times with orvanta-cli instead."
echo "İstanbul — tarih, İmsak, Güneş, İşrak, İstiva, Öğle, İkindi, Asr-ı Sani, İsfirar, Akşam, Yatsı:"
exec build/tools/cli/orvanta-cli times --lat 41.01 --lon 28.97 --offset 180 --date "$(date +%F)"
