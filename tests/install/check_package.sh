#!/usr/bin/env bash
# Packs the built tree with cpack into a scratch folder and checks the Debian
# package: its files are exactly what cmake --install puts under /usr, its
# dependencies come from the binaries, its version is the one the programs and
# the software-centre entry give, and the installed tree passes appstreamcli.
#   check_package.sh BUILD_DIR VERSION ZENTRA ZENTRA_CLI METAINFO
set -euo pipefail
build=$1 version=$2 zentra=$3 cli=$4 metainfo=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
deb=$(echo "$work"/package/zentra_"$version"_*.deb)
[[ -f $deb ]] || { echo "no zentra_${version}_<arch>.deb:"; ls "$work/package"; exit 1; }

cmake --install "$build" --prefix "$work/root/usr" >/dev/null
(cd "$work/root" && find . ! -type d | sort) >"$work/installed"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort >"$work/packaged"
diff -u --label "cmake --install" --label "dpkg-deb -c" "$work/installed" "$work/packaged"

failures=0
expect() {  # WHAT GOT WANT
    if [[ $2 != "$3" ]]; then
        echo "$1: '$2', expected '$3'"
        failures=$((failures + 1))
    fi
}
expect "package version" "$(dpkg-deb -f "$deb" Version)" "$version"
# No platform plugin of that name: the answer must come before QApplication.
expect "zentra --version" "$(QT_QPA_PLATFORM=none "$zentra" --version)" "zentra $version"
expect "zentra-cli --version" "$("$cli" --version)" "zentra-cli $version"
expect "metainfo release" "$(grep -o '<release version="[^"]*"' "$metainfo")" "<release version=\"$version\""
# Installed, the software-centre entry must find the desktop entry it launches.
if ! appstreamcli validate-tree --no-net "$work/root" >"$work/tree.log" 2>&1; then
    cat "$work/tree.log"
    failures=$((failures + 1))
fi
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    [[ $depends == *"$library "* ]] || { echo "Depends lacks $library: $depends"; failures=$((failures + 1)); }
done
exit $failures
