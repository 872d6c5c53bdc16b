#!/usr/bin/env bash
# Installs what is missing, builds the release build and starts VARNOLT.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVARNOLT_BUILD_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target varnolt
exec ./build/release/bin/varnolt "$@"
