#!/bin/sh
# Renders the printed full page as PDF, the way Print does it, and turns each into a PNG to look
# at: American and European, with and without the aspect grid, tropical and sidereal, on A4 and
# on US Letter.
#
#   scripts/render-pages.sh [BUILD_DIR] [OUT_DIR]
#
# BUILD_DIR defaults to build (it must hold orvantis-chart and the data files); OUT_DIR to
# BUILD_DIR/pages. Needs pdftoppm (Debian package poppler-utils).
set -eu

build=${1:-build}
out=${2:-$build/pages}
chart="$build/orvantis-chart"
[ -x "$chart" ] || { echo "render-pages.sh: $chart not found; build orvantis-chart" >&2; exit 1; }
command -v pdftoppm >/dev/null || { echo "render-pages.sh: pdftoppm missing (poppler-utils)" >&2; exit 1; }
mkdir -p "$out"

# A data folder whose options print no grid (line 122 = 0).
nogrid=$(mktemp -d)
trap 'rm -rf "$nogrid"' EXIT
cp "$build"/*.OPT "$build"/*.ORB "$build"/*.DAT "$build"/querna.ttf "$nogrid"/
awk '{ sub(/\r$/, "") } NR == 122 { $0 = "0      Printed aspect grid: off" } { printf "%s\r\n", $0 }' \
    "$build/OPTIONS.OPT" >"$nogrid/OPTIONS.OPT"

moment="--date 1962-02-05 --time 00:00 --zone 0 --long 0.00W --lat 51.29N"

page() {
    name=$1
    locale=$2
    shift 2
    LANG=$locale LC_ALL=$locale "$chart" $moment "$@" --pdf "$out/$name.pdf" >/dev/null
    pdftoppm -r 60 -png -singlefile "$out/$name.pdf" "$out/$name"
    echo "$out/$name.png"
}

page a4-american-grid en_GB.UTF-8 --layout american
page a4-european-grid en_GB.UTF-8 --layout european
page a4-american-sidereal en_GB.UTF-8 --layout american --zodiac 1
page a4-european-ayanamsa en_GB.UTF-8 --layout european --zodiac 2
page a4-american-nogrid en_GB.UTF-8 --layout american --data-dir "$nogrid"
page letter-european-grid en_US.UTF-8 --layout european
page letter-american-nogrid en_US.UTF-8 --layout american --data-dir "$nogrid"
