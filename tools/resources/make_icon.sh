#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program's icon from resources/orvanta.svg with rsvg-convert
# (Debian librsvg2-bin): resources/orvanta.png (256 × 256, built into the
# program) and the hicolor theme's sizes under resources/icons/hicolor,
# named by the application id. rsvg-convert writes no time stamp, so the
# same SVG gives the same bytes; the PNGs are committed.
set -euo pipefail
cd "$(dirname "$0")/../../resources"
readonly app_id=org.orvanta.Orvanta
readonly sizes=(16 22 24 32 48 64 128 256)

rsvg-convert -w 256 -h 256 orvanta.svg -o orvanta.png
for size in "${sizes[@]}"; do
  folder="icons/hicolor/${size}x${size}/apps"
  mkdir -p "$folder"
  rsvg-convert -w "$size" -h "$size" orvanta.svg -o "$folder/$app_id.png"
done
