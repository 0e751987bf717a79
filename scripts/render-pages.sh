#!/bin/sh
# Renders the printed pages as PDF, the way Print does them, and turns each into a PNG to look
# at: the full page American and European, with and without the aspect grid, tropical and
# sidereal, and the half page, on A4 and on US Letter, for a crowded chart and an ordinary one.
#
#   scripts/render-pages.sh [BUILD_DIR] [OUT_DIR] [DPI]
#
# BUILD_DIR defaults to build (it must hold orvantis-chart and the data files); OUT_DIR to
# BUILD_DIR/pages; DPI (of the PNGs) to 60, 300 shows the page as a printer prints it. Needs
# pdftoppm (Debian package poppler-utils).
set -eu

build=${1:-build}
out=${2:-$build/pages}
dpi=${3:-60}
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

# Seven bodies in Aquarius; and an ordinary spread of bodies.
crowded="--date 1962-02-05 --time 00:00 --zone 0 --long 0.00W --lat 51.29N"
ordinary="--date 1990-06-21 --time 14:30 --zone -2 --long 13.24E --lat 52.31N"

page() {
    name=$1
    paper=$2
    moment=$3
    shift 3
    "$chart" $moment --paper "$paper" "$@" --pdf "$out/$name.pdf" >/dev/null
    pdftoppm -r "$dpi" -png -singlefile "$out/$name.pdf" "$out/$name"
    echo "$out/$name.png"
}

page a4-american-grid a4 "$crowded" --layout american
page a4-european-grid a4 "$crowded" --layout european
page a4-american-sidereal a4 "$crowded" --layout american --zodiac 1
page a4-european-ayanamsa a4 "$crowded" --layout european --zodiac 2
page a4-american-nogrid a4 "$crowded" --layout american --data-dir "$nogrid"
page letter-european-grid letter "$crowded" --layout european
page letter-american-nogrid letter "$crowded" --layout american --data-dir "$nogrid"
page a4-european-ordinary a4 "$ordinary" --layout european
page letter-american-ordinary letter "$ordinary" --layout american
page a4-half-crowded a4 "$crowded" --page half
page letter-half-ordinary letter "$ordinary" --page half --layout european
