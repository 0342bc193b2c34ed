#!/usr/bin/env bash
# Times `vexa batch` (release build) over a table of N members (default 100000) of the
# crack-width check: without books and with HTML books, with one worker and with one per core.
# Prints member checks per second, and per second per core.
#   bench/run_batch.sh [N]
set -euo pipefail
cd "$(dirname "$0")/.."
exe=${VEXA_EXE:-build/release/vexa}
n=${1:-100000}
cores=$(nproc)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export VEXA_STORE="$tmp/store.db"
# Beams of varying width, depth, moment and bars; every tenth in eccentric tension.
awk -v n="$n" 'BEGIN {
  print "m_strBlockNum,截面宽度b,截面高度h,m_dM,m_nFirstNum,m_nSufferForce,m_dN"
  for (i = 1; i <= n; i++) {
    force = (i % 10 == 0) ? 2 : 0
    printf "KL-%d,%d,%d,%d,%d,%d,%s\n", i, 200 + (i % 11) * 10, 400 + (i % 13) * 25, 20 + (i % 97), 2 + (i % 5), force, force ? 50 + i % 40 : ""
  }
}' > "$tmp/members.csv"
run() {  # label, jobs, extra arguments
  local label=$1 jobs=$2
  shift 2
  local start end
  start=$(date +%s%N)
  "$exe" batch LFKZHJS "$tmp/members.csv" --out "$tmp/results.csv" --jobs "$jobs" "$@" >/dev/null || true
  end=$(date +%s%N)
  local secs rate
  secs=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", (b - a) / 1e9 }')
  rate=$(awk -v n="$n" -v s="$secs" 'BEGIN { printf "%.0f", n / s }')
  echo "$label, --jobs $jobs: $n members in ${secs} s = $rate members/s = $(( rate / jobs )) per core"
}
run "no books" 1
run "no books" "$cores"
run "HTML books" 1 --books "$tmp/books"
rm -rf "$tmp/books"
run "HTML books" "$cores" --books "$tmp/books"
