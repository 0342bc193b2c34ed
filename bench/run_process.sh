#!/usr/bin/env bash
# Times whole `vexa run CODE --book FILE.html` processes (release build) for each built
# calculation: the mean wall time of N runs. Target: under 20 ms per process.
set -euo pipefail
cd "$(dirname "$0")/.."
exe=${VEXA_EXE:-build/release/vexa}
runs=${RUNS:-50}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export VEXA_STORE="$tmp/store.db"
codes=${*:-"SHYNDJS LFKZHJS JBSHYJS WJQTJS ZHSHQDJS"}
for code in $codes; do
  if ! "$exe" run "$code" --book "$tmp/$code.html" >/dev/null 2>&1; then
    echo "$code: not available"
    continue
  fi
  start=$(date +%s%N)
  for _ in $(seq "$runs"); do
    "$exe" run "$code" --book "$tmp/$code.html" >/dev/null
  done
  end=$(date +%s%N)
  echo "$code: $(( (end - start) / runs / 1000 )) µs per process (mean of $runs)"
done
