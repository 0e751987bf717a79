#!/bin/bash
# Prints the JSON of 200 seeded random election charts with a build's orvantis-chart and keeps
# each output, so that two builds can be compared byte for byte (a refactoring must not change a
# single digit). The charts cover dates 1900-2099, the eight house systems, the three zodiacs,
# both node options, east and west longitudes and both hemispheres.
#
#   scripts/json-identity.sh BUILD_DIR OUT_DIR [EXPECTED_DIR]
#
# Writes OUT_DIR/NNN.txt for chart NNN: the command line, the exit status, stderr and stdout.
# With EXPECTED_DIR, compares OUT_DIR with it file by file (cmp) and exits 1 on any difference.
set -eu

if [ $# -lt 2 ]; then
    echo "usage: $0 BUILD_DIR OUT_DIR [EXPECTED_DIR]" >&2
    exit 2
fi
build=$1
out=$2
expected=${3:-}
chart="$build/orvantis-chart"
[ -x "$chart" ] || { echo "json-identity.sh: $chart not found" >&2; exit 1; }
mkdir -p "$out"

# A 31-bit linear congruential generator with a fixed seed: the same 200 charts on every run and
# every machine (bash's own RANDOM depends on the bash version).
seed=20261206
next() { # next LOW HIGH: a whole number in [LOW, HIGH] in $n
    seed=$(((seed * 1103515245 + 12345) % 2147483648))
    n=$(($1 + (seed / 65536) % ($2 - $1 + 1)))
}

systems=(P R K C O E M I)
for ((i = 0; i < 200; i++)); do
    next 1900 2099; year=$n
    next 1 12; month=$n
    next 1 28; day=$n
    next 0 23; hour=$n
    next 0 59; minute=$n
    house=${systems[$((i % 8))]}
    next 0 2; zodiac=$n
    next 0 1; node=$n
    next 0 1; east=$n
    next 0 180; long_deg=$n
    next 0 59; long_min=$n
    next 0 1; south=$n
    # Above 66°00' only Meridian and Morinus compute; they get the polar latitudes.
    if [ "$house" = M ] || [ "$house" = I ]; then next 0 89; else next 0 65; fi
    lat_deg=$n
    next 0 59; lat_min=$n
    # A west longitude takes a zone of -2 or more; east zones go down to -13.
    if [ "$east" = 1 ]; then next -13 2; else next -2 12; fi
    zone=$n
    args=(--json --aspects --date "$(printf '%04d-%02d-%02d' "$year" "$month" "$day")"
        --time "$(printf '%02d:%02d' "$hour" "$minute")" --zone "$zone"
        --long "$(printf '%d.%02d%s' "$long_deg" "$long_min" "$([ "$east" = 1 ] && echo E || echo W)")"
        --lat "$(printf '%d.%02d%s' "$lat_deg" "$lat_min" "$([ "$south" = 1 ] && echo S || echo N)")"
        --house "$house" --zodiac "$zodiac" --node "$node")
    file=$(printf '%s/%03d.txt' "$out" "$i")
    {
        echo "orvantis-chart ${args[*]}"
        status=0
        "$chart" "${args[@]}" 2>"$file.err" >"$file.out" || status=$?
        echo "exit $status"
        cat "$file.err" "$file.out"
        rm -f "$file.err" "$file.out"
    } >"$file"
done
computed=$(grep -lx 'exit 0' "$out"/*.txt | wc -l)
echo "json-identity.sh: 200 charts in $out ($computed computed, the rest refused)"

if [ -n "$expected" ]; then
    differ=0
    for file in "$expected"/*.txt; do
        cmp -s "$file" "$out/$(basename "$file")" || { echo "differs: $(basename "$file")"; differ=1; }
    done
    [ "$differ" = 0 ] && echo "json-identity.sh: all 200 outputs are byte-identical to $expected"
    exit "$differ"
fi
