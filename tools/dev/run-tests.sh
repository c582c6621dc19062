#!/usr/bin/env bash
# Sets up, builds and runs every test. Exits non-zero when a test fails.
set -euo pipefail
cd "$(dirname "$0")/../.."
tools/dev/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure -j"$(nproc)"
