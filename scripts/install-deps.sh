#!/usr/bin/env bash
# Installs the Debian packages Zentra needs, when missing, for one purpose:
#   install-deps.sh run      build and run (scripts/run.sh)
#   install-deps.sh package  build and pack a checked .deb (scripts/package.sh)
#   install-deps.sh test     build, run and test (scripts/test.sh)
set -euo pipefail
profile=${1:-}

# Building and running: compilers, Qt and a font for the texts.
run=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libx11-dev
  fonts-dejavu-core
)
# Packing: the library dependencies are read with file and dpkg-shlibdeps,
# and the package is checked with lintian.
package=(file lintian)
# Testing: test and benchmark libraries, the sanitizer runtime, an X server,
# a comma locale, and the tools that check what the installation adds.
test=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev
  xvfb xauth x11-utils python3 python3-fonttools locales
  appstream desktop-file-utils mandoc bash-completion
  at-spi2-core python3-pyatspi gir1.2-atspi-2.0 dbus-x11
  poppler-utils  # pdftotext: the tests read the printed tape back
)

case $profile in
  run) packages=("${run[@]}") ;;
  package) packages=("${run[@]}" "${package[@]}") ;;
  test) packages=("${run[@]}" "${package[@]}" "${test[@]}") ;;
  *)
    echo "usage: $0 run|package|test" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A comma locale for the tests that prove formatting ignores the user's locale.
if [ "$profile" = test ] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  $sudo sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  $sudo locale-gen >/dev/null
fi
