#!/usr/bin/env bash
# Installs what the web build needs (Debian's emscripten, chromium for the page tests, the
# JSON reader of design files, node where there is none) and builds into build-web/:
# bin/transformer-sizer-batch.js, the batch tool for node, and site/index.html, the page with
# the engine inside.
# Usage: scripts/build-web.sh [extra cmake arguments]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(emscripten chromium nlohmann-json3-dev)
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

source scripts/install-packages.sh

# Debian's emcc runs its tools with the first node on the PATH and needs its own modules.
export NODE_PATH=/usr/share/nodejs
build_dir=${WEB_BUILD_DIR:-build-web}
emcmake cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTS_BUILD_GUI=OFF -DTS_BUILD_BENCHMARKS=OFF "$@"
cmake --build "$build_dir" --parallel "$(nproc)"
