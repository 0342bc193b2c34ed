#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and UndefinedBehaviorSanitizer) and runs
# each for SECONDS (default 300) from its seeds; a crash, a sanitizer report or a number that is
# not finite in an output fails the run, and the input is kept in build/fuzz/findings/.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
shift || true
targets=${*:-"fuzz_settings fuzz_store fuzz_csv fuzz_xlsx fuzz_resources"}
jobs=${FUZZ_BUILD_JOBS:-$(nproc)}
cmake --preset fuzz >/dev/null
# The targets and their seed maker only (not the program or the plug-in).
cmake --build --preset fuzz -j"$jobs" --target $targets fuzz_seeds >/dev/null
work=build/fuzz/work
findings=build/fuzz/findings
mkdir -p "$work" "$findings"
build/fuzz/fuzz/fuzz_seeds "$work/seeds" "$PWD"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
passed=0
failed=0
for t in $targets; do
  seeds="$work/seeds/${t#fuzz_}"
  corpus="$work/corpus-$t"
  mkdir -p "$corpus" "$seeds"
  case $t in
    fuzz_xlsx|fuzz_store) max_len=65536 ;;
    fuzz_resources) max_len=32768 ;;
    *) max_len=4096 ;;
  esac
  echo "== $t: ${seconds}s"
  if ! build/fuzz/fuzz/"$t" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len="$max_len" \
        -print_final_stats=0 -artifact_prefix="$findings/$t-" "$corpus" "$seeds" >"$work/$t.log" 2>&1; then
    echo "$t: FAILED (see $work/$t.log, input in $findings/)"
    tail -40 "$work/$t.log"
    status=1
    failed=$((failed + 1))
  else
    passed=$((passed + 1))
    grep -E "^#[0-9]+.*(DONE|pulse)" "$work/$t.log" | tail -1 || true
  fi
done
echo "fuzz: $(( passed )) passed, $(( failed )) failed"
exit $status
