#!/usr/bin/env bash
# Builds the Debian package transformer-sizer_<version>_<arch>.deb into the top folder.
#   scripts/package.sh             from a fresh hardened Release build in build-package/ (no tests,
#                                  no benchmarks); installs what it needs like scripts/setup.sh.
#   scripts/package.sh --from DIR  from DIR, a build already made with the same hardening (CI's
#                                  tested build: `scripts/test.sh "${hardening[@]}"`); refused
#                                  when DIR was configured otherwise, so the package never ships
#                                  binaries built without it.
# Install the result with: sudo apt-get install ./transformer-sizer_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/hardening.sh

cached() {  # cached DIR VARIABLE: the variable's value in DIR's CMake cache
  sed -n "s/^$2:[A-Z]*=//p" "$1/CMakeCache.txt"
}

# The package's binaries must be what a fresh package build makes: Release, hardened, plain.
check_build() {
  local dir=$1 problems=()
  [ -f "$dir/CMakeCache.txt" ] || { echo "В $dir нет сборки CMake" >&2; exit 1; }
  [ "$(cached "$dir" CMAKE_BUILD_TYPE)" = Release ] || problems+=("CMAKE_BUILD_TYPE не Release")
  [ "$(cached "$dir" CMAKE_CXX_FLAGS)" = "$hardening_cxx_flags" ] ||
    problems+=("CMAKE_CXX_FLAGS не «$hardening_cxx_flags»")
  [ "$(cached "$dir" CMAKE_EXE_LINKER_FLAGS)" = "$hardening_linker_flags" ] ||
    problems+=("CMAKE_EXE_LINKER_FLAGS не «$hardening_linker_flags»")
  for option in TS_SANITIZE TS_BUILD_FUZZERS; do
    [ "$(cached "$dir" $option)" != ON ] || problems+=("$option включен")
  done
  [ "$(cached "$dir" TS_BUILD_GUI)" != OFF ] || problems+=("TS_BUILD_GUI выключен")
  if ((${#problems[@]})); then
    local joined
    joined=$(printf '%s; ' "${problems[@]}")
    printf 'Сборка в %s не годится для пакета: %s\n' "$dir" "${joined%; }" >&2
    exit 1
  fi
}

if [ "${1:-}" = --from ]; then
  build_dir=${2:?"после --from нужна папка сборки"}
  check_build "$build_dir"
  cmake --build "$build_dir" --parallel "$(nproc)"  # nothing to do after the tested build
else
  build_dir=build-package
  rm -rf "$build_dir"
  BUILD_DIR=$build_dir scripts/setup.sh -DTS_BUILD_TESTS=OFF -DTS_BUILD_BENCHMARKS=OFF "${hardening[@]}"
fi
rm -f "$build_dir"/transformer-sizer_*.deb
(cd "$build_dir" && cpack -G DEB)
mv -f "$build_dir"/transformer-sizer_*.deb .
ls transformer-sizer_*.deb
