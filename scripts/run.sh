#!/usr/bin/env bash
# Installs what is missing to build and run VARNOLT (no test libraries),
# builds the release build and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVARNOLT_BUILD_TESTS=OFF -DVARNOLT_BUILD_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target varnolt
exec ./build/release/bin/varnolt "$@"
