#!/usr/bin/env bash
# Sets everything up, builds and opens the window. Without a display the program says so and
# shows how to run it under xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec "${BUILD_DIR:-build}/bin/transformer-sizer"
