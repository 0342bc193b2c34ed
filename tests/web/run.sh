#!/usr/bin/env bash
# Browser tests of `vexa serve` (Playwright driving Debian's chromium), run by ctest.
# Usage: tests/web/run.sh VEXA_EXE OUT_DIR. Exit 77 (skipped) only when node or chromium is missing.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
vexa="$1"
out="$2"
chromium="${VEXA_CHROMIUM:-/usr/bin/chromium}"
if ! command -v node >/dev/null 2>&1; then
  echo "SKIPPED: node is not installed (scripts/setup.sh installs it); the browser tests did not run."
  exit 77
fi
if [ ! -x "$chromium" ]; then
  echo "SKIPPED: $chromium is not installed (scripts/setup.sh installs it); the browser tests did not run."
  exit 77
fi
if [ ! -f "$here/node_modules/playwright-core/package.json" ]; then
  (cd "$here" && npm ci --no-audit --no-fund --loglevel=error)
fi
export VEXA_CHROMIUM="$chromium"
exec node "$here/serve-test.mjs" "$vexa" "$out"
