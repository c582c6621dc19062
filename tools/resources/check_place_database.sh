#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the place database twice and checks that both runs give the
# committed file byte for byte.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$here"
[ -d node_modules ] || npm ci --no-audit --no-fund
node make_place_database.mjs > "$work/first.csv"
node make_place_database.mjs > "$work/second.csv"
cmp "$work/first.csv" "$work/second.csv"
cmp "$work/first.csv" ../../resources/orvanta.csv
echo "place database: reproducible, $(wc -l < "$work/first.csv") rows"
