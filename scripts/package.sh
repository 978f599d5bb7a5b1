#!/usr/bin/env bash
# Installs what is missing, builds a release build for /usr, packs it as
# build/package/zentra_<version>_<arch>.deb and checks it with lintian, which
# must find no error and no warning. Install the package as root with
#   apt install ./build/package/zentra_*.deb
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh" package
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX=/usr -DZENTRA_BUILD_TESTS=OFF -DZENTRA_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build/release" --parallel "$(nproc)"
rm -f "$root"/build/package/zentra_*.deb
cpack --config "$root/build/release/CPackConfig.cmake" -G DEB -B "$root/build/package"
lintian --fail-on error,warning --display-info "$root"/build/package/zentra_*.deb
