#!/usr/bin/env bash
# Sets up the machine, builds vexa (release) and runs the main job: the deflection check with
# its default parameters, writing its calculation book to out/SHYNDJS.html; then starts
# `vexa serve` (arguments are passed on, e.g. --open or --port N), which prints the address to
# open in a browser and serves the calculations there until Ctrl+C.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"
mkdir -p out
export VEXA_STORE="${VEXA_STORE:-$PWD/out/vexa.db}"
build/release/vexa list
build/release/vexa run SHYNDJS --book out/SHYNDJS.html
exec build/release/vexa serve "$@"
