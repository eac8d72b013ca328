#!/usr/bin/env bash
# Builds the Debian package transformer-sizer_<version>_<arch>.deb into the top folder, from a
# fresh Release build in build-package/ (no tests, no benchmarks). Installs what it needs like
# scripts/setup.sh. Install the result with: sudo apt-get install ./transformer-sizer_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
rm -rf build-package
# Debian's hardening for amd64, as dpkg-buildflags gives it (PIE is the compiler's default).
BUILD_DIR=build-package scripts/setup.sh -DTS_BUILD_TESTS=OFF -DTS_BUILD_BENCHMARKS=OFF \
  "-DCMAKE_CXX_FLAGS=-D_FORTIFY_SOURCE=2 -fstack-protector-strong -fstack-clash-protection -fcf-protection" \
  "-DCMAKE_EXE_LINKER_FLAGS=-Wl,-z,relro -Wl,-z,now"
(cd build-package && cpack -G DEB)
mv -f build-package/transformer-sizer_*.deb .
ls transformer-sizer_*.deb
