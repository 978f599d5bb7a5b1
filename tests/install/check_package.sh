#!/usr/bin/env bash
# Packs the built tree with cpack into a scratch folder and checks the Debian
# package: its files are exactly what cmake --install puts under /usr, its
# dependencies come from the binaries, its version is the one the programs and
# the software-centre entry give, the installed tree passes appstreamcli, it
# has its copyright file and changelog, lintian finds no error or warning, and
# its programs and module are hardened, stripped and hold no path of this machine.
#   check_package.sh SOURCE_DIR BUILD_DIR VERSION ZENTRA ZENTRA_CLI METAINFO
set -euo pipefail
source=$1 build=$2 version=$3 zentra=$4 cli=$5 metainfo=$6
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
if ! appstreamcli validate-tree --no-net --pedantic "$work/root" >"$work/tree.log" 2>&1; then
    cat "$work/tree.log"
    failures=$((failures + 1))
fi
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
    [[ $depends == *"$library "* ]] || { echo "Depends lacks $library: $depends"; failures=$((failures + 1)); }
done

fail() {
    echo "$*"
    failures=$((failures + 1))
}
doc=usr/share/doc/zentra
for file in copyright changelog.gz; do
    grep -qx "\./$doc/$file" "$work/packaged" || fail "the package lacks /$doc/$file"
done
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    "$work/root/$doc/copyright" || fail "the copyright file is not in Debian's machine-readable form"
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || {
    cat "$work/lintian.log"
    fail "lintian finds errors or warnings"
}

dpkg-deb -x "$deb" "$work/unpacked"
# The programs and the printing module the window loads.
module=$(cd "$work/unpacked" && find usr/lib -name zentra_print.so)
[[ -n $module ]] || fail "the package lacks the printing module zentra_print.so"
for binary in usr/bin/zentra usr/bin/zentra-cli $module; do
    program=${binary##*/}
    binary=$work/unpacked/$binary
    for path in "$source" "$build"; do
        ! grep -qaF "$path" "$binary" || fail "$program holds the build machine's path $path"
    done
    # Whole outputs first: grep -q ending a pipe early would fail it under pipefail.
    dynamic=$(readelf -d "$binary") symbols=$(readelf --dyn-syms -W "$binary")
    sections=$(readelf -S -W "$binary")
    grep -qE 'BIND_NOW|FLAGS_1.*NOW' <<<"$dynamic" || fail "$program is not bound at start (BIND_NOW)"
    # The module calls no function that could be fortified.
    [[ $program == *.so ]] || grep -qE ' __[a-z_]+_chk(@|$)' <<<"$symbols" ||
        fail "$program uses no fortified functions"
    ! grep -qE '\.(symtab|comment) ' <<<"$sections" || fail "$program is not stripped of .symtab and .comment"
done
exit $failures
