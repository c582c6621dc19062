#!/usr/bin/env bash
# Puts the project's licence tag, "SPDX-License-Identifier: GPL-3.0-or-later",
# at the head of each source file's first comment: "//" in C and C++ sources
# and JavaScript modules, "#" in shell and Python scripts and CMake files
# (after a "#!" line). A file that already carries a tag in its first lines
# is left alone, so the script can run again and again.
# Usage: tools/dev/add-spdx.sh [--dry-run]   (--dry-run: only list the files)
set -euo pipefail
cd "$(dirname "$0")/../.."

readonly tag="SPDX-License-Identifier: GPL-3.0-or-later"
readonly lines_looked_at=5
dry_run=false
[ "${1:-}" = "--dry-run" ] && dry_run=true

comment_of() {
  case "$1" in
    *.c|*.cpp|*.h|*.mjs|*.js) echo "//" ;;
    *.sh|*.py|*.cmake|*/CMakeLists.txt|CMakeLists.txt) echo "#" ;;
    *) head -c 2 "$1" | grep -q '^#!' && echo "#" || true ;;
  esac
}

# Source files only: test inputs, the fuzz corpus and generated data stay as
# they are.
git ls-files -z -- . ':!tests/fuzz/corpus/**' ':!tests/data/**' | while IFS= read -r -d '' file; do
  comment=$(comment_of "$file")
  [ -n "$comment" ] || continue
  head -n "$lines_looked_at" "$file" | grep -q "SPDX-License-Identifier" && continue
  echo "$file"
  "$dry_run" && continue
  if head -c 2 "$file" | grep -q '^#!'; then
    sed -i "1a $comment $tag" "$file"
  else
    sed -i "1i $comment $tag" "$file"
  fi
done
