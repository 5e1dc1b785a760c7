#!/usr/bin/env bash
# Builds everything and runs every test. With --sanitize, builds in
# build-sanitize with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
build=build
opts=()
if [ "${1:-}" = "--sanitize" ]; then
  build=build-sanitize
  opts+=(-DGLEANER_SANITIZE=ON -DGLEANER_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
fi
cmake -S . -B "$build" -G Ninja -DGLEANER_WERROR=ON "${opts[@]}"
cmake --build "$build" -j2
ctest --test-dir "$build" -j2 --output-on-failure
