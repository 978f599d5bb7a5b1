#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the full
# build with the window, then the engine and units tests under AddressSanitizer
# and UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"
"$root/scripts/install-deps.sh" test

export QT_QPA_PLATFORM=offscreen
# Formatting must not follow the user's locale: run the tests in a comma locale
# when one is available.
if locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then export LC_ALL=de_DE.UTF-8; fi

cmake -S "$root" -B "$root/build/test" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZENTRA_WERROR=ON >/dev/null
cmake --build "$root/build/test" --parallel "$jobs"
ctest --test-dir "$root/build/test" --output-on-failure --parallel "$jobs" --timeout 600

cmake -S "$root" -B "$root/build/sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DZENTRA_SANITIZE=ON -DZENTRA_BUILD_SHELL=OFF -DZENTRA_BUILD_BENCH=OFF -DZENTRA_WERROR=ON >/dev/null
cmake --build "$root/build/sanitize" --parallel "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$root/build/sanitize" --output-on-failure --parallel "$jobs" --timeout 600
