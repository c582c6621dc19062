#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs every test. Exits non-zero when a test fails.
set -euo pipefail
cd "$(dirname "$0")/../.."
tools/dev/install-deps.sh
# Orvanta states its rules in its own terms (no comparison with another program).
tools/dev/check-voice.sh
# A compiler cache, where the machine has one, makes a second run quick.
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
cmake --build build
ctest --test-dir build --output-on-failure -j"$(nproc)"

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer
# (the end-to-end tests preload libfaketime, which the sanitizer runtime
# does not allow, and run above).
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANTA_SANITIZE=ON \
  -DORVANTA_BUILD_BENCH=OFF "${launcher[@]}"
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)" -E end_to_end

# The fuzz targets for a bounded time, when clang is there.
tools/dev/run-fuzzers.sh
