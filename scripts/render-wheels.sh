#!/bin/sh
# Renders the set of wheels to look at, the way the window paints them: both layouts, the eight
# house systems, a stellium, bodies on both sides of 0° Aries, a southern latitude, intercepted
# signs and window sizes from 640 × 480 to 3840 × 2160. The printed pages: scripts/render-pages.sh.
#
#   scripts/render-wheels.sh [BUILD_DIR] [OUT_DIR]
#
# BUILD_DIR defaults to build (it must hold orvantis-chart, the data files and querna.ttf);
# OUT_DIR to BUILD_DIR/wheels.
set -eu

build=${1:-build}
out=${2:-$build/wheels}
chart="$build/orvantis-chart"
[ -x "$chart" ] || { echo "render-wheels.sh: $chart not found; build orvantis-chart" >&2; exit 1; }
mkdir -p "$out"

# run NAME LAYOUT SIZE ARGS...: one wheel of the chart ARGS into OUT_DIR/NAME.png.
run() {
    png="$out/$1.png"
    wheel_layout=$2
    wheel_size=$3
    shift 3
    "$chart" --data-dir "$build" "$@" --layout "$wheel_layout" --size "$wheel_size" \
        --png "$png" >/dev/null
    echo "$png"
}

# A real chart at Greenwich on 5 February 1962, 00:00 UT: seven bodies in Aquarius.
greenwich="--date 1962-02-05 --time 00:00 --zone 0 --long 0.00W --lat 51.29N"
for layout in american european; do
    for house in P R K C O E M I; do
        # shellcheck disable=SC2086
        run "stellium-$house-$layout" $layout 1024x768 $greenwich --house $house \
            --event "Aquarius stellium"
    done
    # A southern latitude: Sydney at the June solstice, Koch houses.
    run "sydney-$layout" $layout 1024x768 --date 2024-06-21 --time 14:30 --zone -10 \
        --long 151.12E --lat 33.52S --house K --event Sydney
    # Bodies on both sides of 0° Aries near the March equinox, and a far-north summer chart
    # whose houses are wide enough to intercept signs.
    run "equinox-$layout" $layout 1024x768 --date 2024-03-20 --time 06:00 --zone 0 \
        --long 0.00W --lat 51.29N --event "March equinox"
    run "oslo-$layout" $layout 1024x768 --date 2023-07-01 --time 09:00 --zone -1 \
        --long 10.45E --lat 59.55N --event Oslo
done

# The look-at set: crowded charts (Jupiter on Saturn in May 2000, the Aquarius stellium of 1962,
# seven bodies in one house in 1994), far-south and far-north charts with narrow houses, in both
# layouts at four window shapes.
look() {
    moment=$1
    shift
    for layout in american european; do
        for size in 640x480 1024x768 800x800 3840x2160; do
            run "look-$moment-$layout-$size" "$layout" "$size" "$@"
        done
    done
}
# shellcheck disable=SC2086
look greenwich $greenwich
look conjunction --date 2000-05-05 --time 08:00 --zone 0 --long 0.00W --lat 51.29N --house P
look house7 --date 1994-01-23 --time 11:59 --zone -2 --long 76.35W --lat 20.48S --house I
look south --date 1919-06-29 --time 21:23 --zone 0 --long 151.12E --lat 45.00S --house R
look north --date 1919-08-23 --time 05:16 --zone 0 --long 0.00W --lat 60.10N --house C
look cluster --date 1982-11-10 --time 06:46 --zone 0 --long 74.00W --lat 33.52S --house K
look retrograde --date 2011-03-09 --time 01:21 --zone 0 --long 0.00W --lat 64.08N --house K
