#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts the calculator.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh" run
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DZENTRA_BUILD_TESTS=OFF -DZENTRA_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build/release" --parallel
if [ -x "$root/build/release/shell/zentra" ]; then
  exec "$root/build/release/shell/zentra" "$@"
fi
exec "$root/build/release/cli/zentra-cli" "$@"
