#!/bin/bash
# Screenshots of the calculator in each mode at 100% and 200% scaling, taken
# under Xvfb from a build directory:  docs/make_screenshots.sh BUILD_DIR
set -eu
build=${1:-build}
program=$(realpath "$build/shell/zentra")
docs=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

shoot() {  # NAME SCALE OUTPUT SETTING...
    local name=$1 scale=$2 output=$3
    shift 3
    export XDG_CONFIG_HOME=$work/$name-$scale
    mkdir -p "$XDG_CONFIG_HOME/Vantrell"
    { echo "[Calc]"; echo "WindowX=10"; echo "WindowY=10"; printf '%s\n' "$@"; } \
        > "$XDG_CONFIG_HOME/Vantrell/Marvolet.conf"
    xvfb-run -a -s "-screen 0 1000x800x24" bash -c "
        QT_SCALE_FACTOR=$scale '$program' & pid=\$!
        sleep 3
        import -window root '$work/shot.png'
        kill \$pid; wait \$pid" 2>/dev/null
    convert "$work/shot.png" -trim +repage -strip "$output"
}

for mode in "decimal 0 3.141592654" "hexadecimal 3 FF" "binary 1 101" "octal 2 377" \
            "statistics 4 0.000000000" "financial 5 1210.000000"; do
    set -- $mode
    shoot "$1" 1 "$docs/zentra-$1.png" "NumberBase=$2" "Display=$3" "BodyBevel=1"
    shoot "$1" 2 "$docs/zentra-$1@2x.png" "NumberBase=$2" "Display=$3" "BodyBevel=1"
done
shoot sevenseg 2 "$docs/zentra-sevenseg-display@2x.png" "Display=-273.15" "BodyBevel=1" \
    "lfFaceName=Sevenseg" "lfHeight=-22" "lfWeight=400"
