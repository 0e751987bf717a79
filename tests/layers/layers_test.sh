#!/bin/bash
# Each folder of src/ includes only from itself and the folders below it (README, "Layout"), and
# the wheel's drawing core, which holds no Qt, not from the file edge either: an include that
# reaches up or sideways fails here with its file and line.
#   tests/layers/layers_test.sh SRC_DIR
set -eu
src=$1
core="astro settings ephemeris chart aspects"
qt_core="zones files places library"
declare -A below=(
    [astro]="" [settings]="" [ephemeris]="astro" [chart]="astro settings ephemeris"
    [aspects]="astro settings ephemeris chart"
    [wheel]="$core files" [events]="$core"
    [zones]="$core" [files]="$core" [places]="$core" [library]="$core files"
    [windows]="$core wheel events $qt_core" [shell]="$core wheel events $qt_core windows"
    [cli]="$core wheel events $qt_core"
)
faults=0
for folder in "${!below[@]}"; do
    for file in "$src/$folder"/*.h "$src/$folder"/*.cpp; do
        [ -e "$file" ] || continue
        allowed=" $folder ${below[$folder]} "
        # Only the wheel's Qt side (its files that include Qt) reads files.
        if [ "$folder" = wheel ] && ! grep -q '^#include <Q' "$file"; then
            allowed=" $folder $core "
        fi
        while IFS=: read -r line used; do
            if [[ "$allowed" != *" $used "* ]]; then
                echo "${file#"$src"/}:$line includes from $used/, above or beside $folder/"
                faults=$((faults + 1))
            fi
        done < <(grep -n '^#include "[a-z_]*/' "$file" | sed 's/^\([0-9]*\):#include "\([a-z_]*\)\/.*/\1:\2/')
    done
done
[ "$faults" = 0 ] && echo "layers_test: every include of src/ stays in its layer or below"
exit $((faults > 0))
