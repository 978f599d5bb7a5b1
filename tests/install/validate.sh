#!/usr/bin/env bash
# Checks one installed data file with the tool made for it:
#   validate.sh desktop FILE
#   validate.sh metainfo FILE         (pedantic: hints fail it too)
#   validate.sh manual PAGE PROGRAM   (lint with warnings as errors, and every
#                                      option PROGRAM --help lists is in PAGE)
set -euo pipefail
kind=$1 file=$2
case $kind in
    desktop) desktop-file-validate "$file" ;;
    metainfo) appstreamcli validate --no-net --pedantic "$file" ;;
    manual)
        mandoc -T lint -W warning "$file"
        missing=0
        # --help lines start with the option: "  --state FILE ..." or "  -v, --version ...".
        for option in $("$3" --help | grep -oE '^  (-[a-z], )?--[a-z-]+' | grep -oE -- '--[a-z-]+'); do
            roff=${option//-/\\\\-}
            if ! grep -qE "^\.(B|BI|BR|TP)? ?.*${roff}([^a-z\\\\-]|$)" "$file"; then
                echo "$file: $option, listed by $3 --help, is not described"
                missing=1
            fi
        done
        exit $missing
        ;;
    *) echo "unknown kind $kind" >&2; exit 2 ;;
esac
