#!/usr/bin/env bash
# Sets up, builds and starts Orvanta. Until the desktop program exists this
# prints today's ten prayer times for İstanbul (41.01° N, 28.97° E, UTC+3)
# with orvanta-cli; any arguments replace that default command.
set -euo pipefail
cd "$(dirname "$0")/../.."
tools/dev/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target orvanta-cli >/dev/null
if [ $# -gt 0 ]; then
  exec build/tools/cli/orvanta-cli "$@"
fi
echo "İstanbul — tarih, İmsak, Güneş, İşrak, İstiva, Öğle, İkindi, Asr-ı Sani, İsfirar, Akşam, Yatsı:"
exec build/tools/cli/orvanta-cli times --lat 41.01 --lon 28.97 --offset 180 --date "$(date +%F)"
