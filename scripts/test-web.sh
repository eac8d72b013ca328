#!/usr/bin/env bash
# The web part of the test suite: builds build-web/, runs the engine's tests under node, the
# node batch tool against the native one and the page in headless chromium; and the engine's
# tests natively once more with its own replacements of the std functions the WebAssembly
# toolchain lacks. Needs the native build (BUILD_DIR, default build/) made first.
set -euo pipefail
cd "$(dirname "$0")/.."
native=$(realpath "${BUILD_DIR:-build}")
web=${WEB_BUILD_DIR:-build-web}
fallbacks=${FALLBACKS_BUILD_DIR:-build-fallbacks}

scripts/build-web.sh -DTS_NATIVE_BUILD_DIR="$native"

cmake -S . -B "$fallbacks" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTS_BUILD_GUI=OFF \
  -DTS_BUILD_BENCHMARKS=OFF -DTS_FORCE_STD_FALLBACKS=ON
cmake --build "$fallbacks" --parallel "$(nproc)"
ctest --test-dir "$fallbacks" --output-on-failure --parallel "$(nproc)"

# The page tests drive Debian's chromium; puppeteer never fetches a browser of its own.
PUPPETEER_SKIP_DOWNLOAD=1 npm ci --prefix tests/web --no-audit --no-fund
ctest --test-dir "$web" --output-on-failure
