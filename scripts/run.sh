#!/usr/bin/env bash
# Sets everything up, builds and opens the window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Нет графического дисплея (DISPLAY не задан); запустите окно под виртуальным X-сервером:" >&2
  echo "  xvfb-run -a ${BUILD_DIR:-build}/bin/transformer-sizer" >&2
  exit 1
fi
exec "${BUILD_DIR:-build}/bin/transformer-sizer"
