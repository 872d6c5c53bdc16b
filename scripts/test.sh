#!/usr/bin/env bash
# Installs what is missing (the program's packages and the test and benchmark
# libraries), builds the test build (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh --tests
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DVARNOLT_SANITIZE=ON -DVARNOLT_BUILD_BENCH=ON >/dev/null
cmake --build build/test -j"$(nproc)"
cd build/test
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --output-on-failure -j"$(nproc)"
