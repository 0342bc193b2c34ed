#!/usr/bin/env bash
# Installs every Debian package that vexa needs to build, test and benchmark.
# Idempotent: prints nothing when everything is already there.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  libfmt-dev libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  libdxflib-dev libpugixml-dev
  # member tables and results of `vexa batch` (XLSX)
  libzip-dev libxlsxwriter-dev
  # the fuzz targets: clang with libFuzzer and the sanitizer runtimes
  clang libclang-rt-dev
  # test-only: a second reader of the drawings, and SVG to PNG
  python3-ezdxf librsvg2-bin
)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
