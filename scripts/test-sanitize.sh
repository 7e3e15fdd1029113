#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
# Assumes the packages of scripts/bootstrap.sh are installed.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DMIRTOTE_SANITIZE=ON -DMIRTOTE_BUILD_BENCH=OFF
cmake --build build-sanitize -j"$(nproc)"
# Leaks are not reported: Qt and fontconfig keep caches for the life of the process.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-sanitize --output-on-failure --no-tests=error -j"$(nproc)"
