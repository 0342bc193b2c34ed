#!/usr/bin/env bash
# Installs every Debian package that vexa needs to build, test and benchmark.
# Idempotent: prints nothing when everything is already there.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  libfmt-dev libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  libdxflib-dev libpugixml-dev
  # the book formats: Word (libzip), PDF (cairo, pango), pictures (librsvg); the PDF's fonts:
  # a Song (Ming) face for Chinese, Times New Roman's metric twin for Latin text
  libzip-dev libcairo2-dev libpango1.0-dev librsvg2-dev fonts-arphic-uming fonts-liberation2
  # member tables and results of `vexa batch` (XLSX; read with libzip)
  libxlsxwriter-dev
  # the fuzz targets: clang with libFuzzer and the sanitizer runtimes
  clang libclang-rt-dev
  # test-only: a second reader of the drawings, and SVG to PNG; a second reader of the Word
  # books (LibreOffice converts them to PDF) and the PDF tools that read the books' text
  python3-ezdxf librsvg2-bin libreoffice-writer-nogui poppler-utils
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
