#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the tree explains Orvanta by another program: code, comments,
# tests, build files, file names and the README state each rule as
# Orvanta's own. Names of encodings and platforms (Windows-1254, Linux) and
# the settings file's key names ("Windows Saat Dilimi") are fine; a
# comparison with another program, or with the people who made one, is not.
# Usage: tools/dev/check-voice.sh [folder]   (default: this repository)
set -euo pipefail
cd "${1:-$(dirname "$0")/../..}"

# Perl regular expressions. "Windows" with its capital, so that a program's
# windows on the screen and the code page Windows-1254 pass; the other
# phrases without regard to letter case. The words about another program's
# people and origin carry one letter in brackets, so that this list does not
# itself say what it forbids.
phrases=(
  'Windows[ _-]?(?i:program|build|version|application|dialogs?|interfaces?|session|look|behaviou?r|tool)'
  '(?i:the) Windows\b(?!-)'
  '(?i:as|like|than|unlike) (?:on |in |under )?Windows\b(?!-)'
  'Windows (?:did|does|had|has|kept|sent|read|wrote|froze|used)\b'
  "Windows'"
  '(?i:\b(?:systemtime|filetime|win32|winapi)\b)'
  '(?i:\bthe ma[k]er\b)'
  "(?i:\\bma[k]er's\\b)"
  '(?i:\borigina[l](?:ly|s)?\b)'
  '(?i:\borijina[l])'
  '(?i:\bpredecesso[r])'
  '(?i:\b(?:previous|older|earlier|old) (?:program|version of the program)\b)'
)
pattern=$(IFS='|'; echo "${phrases[*]}")

# Texts that are not Orvanta's own words: licence texts, the place list's
# names, this script's own pattern list.
excluded=(':!LICENSE' ':!**/copyright' ':!resources/orvanta.csv' ':!tools/dev/check-voice.sh')

status=0
if git grep --untracked -n -I -P "$pattern" -- . "${excluded[@]}"; then
  status=1
fi
if git ls-files --cached --others --exclude-standard -- . "${excluded[@]}" | grep -i -P "$pattern"; then
  status=1
fi
if [ "$status" -ne 0 ]; then
  echo "check-voice: the lines above explain Orvanta by another program; state the rule as Orvanta's own, with its reason" >&2
fi
exit "$status"
