#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual pages format without a warning from man, and orvanta-cli.1
# names every command and option that `orvanta-cli --help` lists.
# Usage: manual_pages_test.sh RESOURCES/man PATH/TO/orvanta-cli
# Exit 77 (skipped) without man.
set -u
pages=$1
cli=$2
command -v man >/dev/null || { echo "SKIPPED: man is not installed (Debian package man-db)"; exit 77; }
failed=0
fail() { echo "FAILED: $*"; failed=1; }

for page in "$pages"/*.1; do
  warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done

usage=$("$cli" --help)
for option in $(grep -o -- '--[a-z][a-z-]*' <<<"$usage" | sort -u); do
  grep -q -- "${option//-/\\\\-}" "$pages/orvanta-cli.1" || fail "orvanta-cli.1 does not describe $option"
done
for command in $(grep -o -E '^  [a-z0-9]+' <<<"$usage" | sort -u); do
  grep -q -E "^\.B $command\$" "$pages/orvanta-cli.1" || fail "orvanta-cli.1 does not describe the command $command"
done
[ "$failed" -eq 0 ] && echo "ok: the manual pages format cleanly and cover every command and option"
exit "$failed"
