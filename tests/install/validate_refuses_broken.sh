#!/usr/bin/env bash
# The checks of validate.sh must fail on a broken file, not only pass on a good
# one: each case breaks a copy of a good file and expects the check to fail.
#   validate_refuses_broken.sh DESKTOP METAINFO PAGE PROGRAM
set -uo pipefail
here=$(dirname "$0")
desktop=$1 metainfo=$2 page=$3 program=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
expect_refused() {  # NAME KIND GOOD SED-SCRIPT [PROGRAM]
    local name=$1 kind=$2 good=$3 edit=$4
    local broken=$work/$name
    sed -e "$edit" "$good" >"$broken"
    if cmp -s "$good" "$broken"; then
        echo "$name: the edit changed nothing"
        failures=$((failures + 1))
    elif "$here/validate.sh" "$kind" "$broken" "${@:5}" >/dev/null 2>&1; then
        echo "$name: accepted"
        failures=$((failures + 1))
    fi
}

expect_refused no-name.desktop desktop "$desktop" '/^Name=/d'
expect_refused bad-exec.desktop desktop "$desktop" 's/^Exec=.*/Exec=zentra %Q/'
expect_refused no-summary.metainfo.xml metainfo "$metainfo" '/<summary>/d'
expect_refused bad-launchable.metainfo.xml metainfo "$metainfo" 's/desktop-id/desktop/'
expect_refused unknown-macro.1 manual "$page" '3i .XYZ bogus' "$program"
expect_refused undocumented-option.1 manual "$page" '/^\.B.*\\-\\-dump$/d' "$program"
exit $failures
