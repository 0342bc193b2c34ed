#!/usr/bin/env bash
# Installs every Debian package that vexa needs to build, test and benchmark, and the pinned
# npm package of the browser tests (tests/web, from its lockfile).
# Idempotent: prints nothing when everything is already there.
set -euo pipefail
cd "$(dirname "$0")/.."
packages=(
  build-essential cmake ninja-build pkg-config
  libfmt-dev libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  libdxflib-dev libpugixml-dev
  libcpp-httplib-dev
  # the program's allocator
  libmimalloc-dev
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
  # test-only: the browser that the tests of `vexa serve` drive, and a font for its Chinese
  chromium fonts-wqy-microhei
)
# The browser tests run on node and npm; a node that is already there (with its npm) is used.
if ! command -v node >/dev/null 2>&1 || ! command -v npm >/dev/null 2>&1; then
  packages+=(nodejs npm)
fi
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
# playwright-core, exactly as tests/web/package-lock.json pins it (no browser download: the
# tests use Debian's chromium).
wanted=$(node -p "require('./tests/web/package-lock.json').packages['node_modules/playwright-core'].version")
have=$(node -p "try { require('./tests/web/node_modules/playwright-core/package.json').version } catch (e) { '' }")
if [ "$wanted" != "$have" ]; then
  echo "Installing the browser tests' npm packages (tests/web)"
  (cd tests/web && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error >/dev/null)
fi
