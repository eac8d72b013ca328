#!/usr/bin/env bash
# Installs what a new Debian machine lacks, then configures and builds into build/.
# Usage: scripts/setup.sh [extra cmake arguments]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev libgl-dev qt6-translations-l10n
  fonts-dejavu-core xvfb xauth desktop-file-utils
  shared-mime-info xdg-utils libglib2.0-bin  # the design files' type as a desktop sees it
  clang libclang-rt-14-dev
  dpkg-dev lintian appstream mandoc groff-base  # the package and its lints
  poppler-utils  # the sheet tests read the PDF's text back
  chromium  # the page's tests drive it
  nlohmann-json3-dev  # reading design files; the fuzz targets check the JSON written
)

# Tests run the page's batch tool under node. A machine may carry its own node, with npm inside,
# that Debian's npm would conflict with.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

source scripts/install-packages.sh

build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
cmake --build "$build_dir" --parallel "$(nproc)"
