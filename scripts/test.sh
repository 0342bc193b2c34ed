#!/usr/bin/env bash
# Sets up the machine, builds vexa with AddressSanitizer and UndefinedBehaviorSanitizer, builds
# the fuzz targets (clang) and runs each for a short while (FUZZ_SECONDS, default 5;
# scripts/fuzz.sh runs them longer), then runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$(nproc)"
fuzz_status=0
scripts/fuzz.sh "${FUZZ_SECONDS:-5}" || fuzz_status=$?
ctest --preset asan -j"$(nproc)"
exit "$fuzz_status"
