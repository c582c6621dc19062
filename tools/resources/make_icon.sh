#!/usr/bin/env bash
# Renders the program's icon resources/orvanta.png (256 × 256) from
# resources/orvanta.svg with rsvg-convert (Debian librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../../resources"
rsvg-convert -w 256 -h 256 orvanta.svg -o orvanta.png
