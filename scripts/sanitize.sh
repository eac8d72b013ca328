#!/usr/bin/env bash
# Builds everything, the window included, with AddressSanitizer and UBSan into build-asan/ and
# runs the whole test suite there: a leak or undefined behaviour fails its test.
# Needs what scripts/setup.sh installs. Usage: scripts/sanitize.sh [extra cmake arguments]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset asan "$@"
cmake --build --preset asan --parallel "$(nproc)"
ctest --preset asan --parallel "$(nproc)"
