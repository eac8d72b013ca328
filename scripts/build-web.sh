#!/usr/bin/env bash
# Installs what the web build needs (Debian's emscripten, chromium for the page tests, node
# where there is none) and builds into build-web/: bin/transformer-sizer-batch.js, the batch
# tool for node, and site/index.html, the page with the engine inside.
# Usage: scripts/build-web.sh [extra cmake arguments]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(emscripten chromium)
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  if [ "$(id -u)" -eq 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
  else
    echo "Не хватает пакетов. Установите их от имени root:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
fi

# Debian's emcc runs its tools with the first node on the PATH and needs its own modules.
export NODE_PATH=/usr/share/nodejs
build_dir=${WEB_BUILD_DIR:-build-web}
emcmake cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTS_BUILD_GUI=OFF -DTS_BUILD_BENCHMARKS=OFF "$@"
cmake --build "$build_dir" --parallel "$(nproc)"
