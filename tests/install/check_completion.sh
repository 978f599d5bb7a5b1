#!/usr/bin/env bash
# Loads zentra-cli's completion as bash-completion does and checks what it
# offers: options, key names (quoted where the shell would read them), and
# file names after the options that take a file.
#   check_completion.sh COMPLETION
set -u
source /usr/share/bash-completion/bash_completion
source "$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" && touch saved.prp notes.txt && mkdir folder

# The offers for a command line whose last word is being completed, sorted.
offers() {
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _zentra_cli zentra-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | paste -sd' '
}

failures=0
expect() {  # OFFERS WORD...
    local want=$1 got
    shift
    got=$(offers "$@")
    if [[ $got != "$want" ]]; then
        echo "completing '$*': offered '$got', expected '$want'"
        failures=$((failures + 1))
    fi
}

expect "--save-prp --state" zentra-cli --s
expect "--trace" zentra-cli 2 --tr
expect "shift sin sqr sqrt" zentra-cli 2 + s
expect "M+ MR Min" zentra-cli 1 M
expect "\*" zentra-cli 2 '*'
# "(" is typed quoted, as \( or '(; the offers keep the same quoting.
expect "\( \(..." zentra-cli 2 + '\('
expect "( (..." zentra-cli 2 + "'("
expect "\(..." zentra-cli 2 + '\(.'
expect "folder saved.prp" zentra-cli --prp ""
expect "folder saved.prp" zentra-cli 1 + --save-prp ""
expect "folder notes.txt saved.prp" zentra-cli --state ""
expect "csv" zentra-cli --print-tape=c
exit $failures
