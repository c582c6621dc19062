#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets of tests/fuzz with clang (address and
# undefined-behaviour sanitizers on) and runs each for FUZZ_SECONDS (20 by
# default) from its seed corpus; a crash or a broken invariant fails.
# Without clang it says so and exits 0. New inputs go to a scratch copy of
# the corpus, never into tests/fuzz/corpus.
set -euo pipefail
cd "$(dirname "$0")/../.."
if ! command -v clang++ >/dev/null; then
  echo "run-fuzzers: clang++ is not installed; fuzzing skipped"
  exit 0
fi
seconds=${FUZZ_SECONDS:-20}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVANTA_BUILD_FUZZ=ON -DORVANTA_SANITIZE=ON -DORVANTA_BUILD_DESKTOP=OFF -DORVANTA_BUILD_TESTS=OFF \
  -DORVANTA_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target ini_reader_fuzz place_row_fuzz mp3_header_fuzz dialog_fields_fuzz time_reply_fuzz
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in ini_reader place_row mp3_header dialog_fields time_reply; do
  cp -r "tests/fuzz/corpus/$target" "$scratch/$target"
  echo "run-fuzzers: $target for ${seconds} s"
  "build-fuzz/tests/fuzz/${target}_fuzz" -max_total_time="$seconds" -max_len=4096 \
    -artifact_prefix="build-fuzz/${target}-" "$scratch/$target" 2>"$scratch/$target.log" \
    || { tail -n 40 "$scratch/$target.log"; exit 1; }
  grep -E "^Done|^#[0-9]+.*DONE" "$scratch/$target.log" | tail -n 1
done
