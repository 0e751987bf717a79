#!/bin/bash
# The JSON of the 200 seeded charts of scripts/json-identity.sh against the checksums recorded
# in chart_json.sha256: a changed digit of any body, cusp, angle or aspect in any house system,
# zodiac or hemisphere fails here. The envelope tests against an independent ephemeris cannot
# see an arcsecond; this can. After a change meant to alter the output, rewrite the checksums with
#   ORVANTIS_UPDATE_GOLDEN=1 ctest -R chart_json_snapshot
set -eu
build=$1
sums=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# A private home: the program must read its shipped defaults, never a developer's settings.
export HOME=$out/home XDG_CONFIG_HOME=$out/home/.config
bash "$(dirname "$0")/../../scripts/json-identity.sh" "$build" "$out/charts" >/dev/null
if [ "${ORVANTIS_UPDATE_GOLDEN:-0}" = 1 ]; then
    (cd "$out/charts" && sha256sum -- *.txt) >"$sums"
    echo "chart_json_snapshot: rewrote $sums"
    exit 0
fi
if ! failed=$(cd "$out/charts" && sha256sum --check --quiet "$sums" 2>/dev/null); then
    echo "chart_json_snapshot: these charts print differently from the recorded output:"
    echo "$failed" | sed -n 's/: FAILED.*//p' | while read -r file; do
        head -n 1 "$out/charts/$file"
    done
    exit 1
fi
