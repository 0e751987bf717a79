#!/bin/sh
# Renders the set of wheels to look at: both layouts, the eight house systems, a stellium, a
# house across 0° Aries, a southern latitude, intercepted signs, window sizes from 640 × 480 to
# 1920 × 1080 and the printed page.
#
#   scripts/render-wheels.sh [BUILD_DIR] [OUT_DIR]
#
# BUILD_DIR defaults to build (it must hold orvantis-wheel-render, the data files and
# querna.ttf: cmake --build BUILD_DIR --target orvantis-wheel-render); OUT_DIR to
# BUILD_DIR/wheels.
set -eu

build=${1:-build}
out=${2:-$build/wheels}
render="$build/tests/wheel/orvantis-wheel-render"
if [ ! -x "$render" ]; then
    echo "render-wheels.sh: $render not found; build the target orvantis-wheel-render" >&2
    exit 1
fi
mkdir -p "$out"

run() {
    name=$1
    shift
    "$render" "$out/$name.png" data="$build" font="$build/querna.ttf" "$@"
    echo "$out/$name.png"
}

# A real chart at Greenwich on 5 February 1962, 00:00 UT: seven bodies in Aquarius.
greenwich="date=1962-02-05 time=00:00 zone=0 lon=0.00W lat=51.29N"
for layout in 0 1; do
    for house in P R K C O E M I; do
        # shellcheck disable=SC2086
        run "stellium-$house-layout$layout" $greenwich house=$house layout=$layout \
            title="Aquarius stellium"
    done
done

# A southern latitude: Sydney at the June solstice, Koch houses.
for layout in 0 1; do
    run "sydney-layout$layout" date=2024-06-21 time=14:30 zone=-10 lon=151.12E lat=33.52S \
        house=K layout=$layout title=Sydney
done

# Bodies on both sides of 0° Aries near the March equinox, and a far-north summer chart whose
# houses are wide enough to intercept signs.
for layout in 0 1; do
    run "equinox-layout$layout" date=2024-03-20 time=06:00 zone=0 lon=0.00W lat=51.29N \
        layout=$layout title="March equinox"
    run "oslo-layout$layout" date=2023-07-01 time=09:00 zone=-1 lon=10.45E lat=59.55N \
        layout=$layout title=Oslo
done

# Hand-made charts for the placement rules.
for chart in ordinary stellium crowded aries intercepted conjunct empty; do
    for layout in 0 1; do
        run "hand-$chart-layout$layout" chart=$chart layout=$layout
    done
done

# The look-at set: the Greenwich chart, Placidus at 60 degrees north and six bodies in
# Capricorn, in both layouts at four window shapes from 640 x 480 to 3840 x 2160.
north="date=2023-07-01 time=09:00 zone=-2 lon=24.56E lat=60.10N house=P"
capricorn="date=2020-01-12 time=12:00 zone=5 lon=74.00W lat=40.43N"
for chart in greenwich north capricorn; do
    eval "args=\$$chart"
    for layout in 0 1; do
        for size in 640x480 1024x768 800x800 3840x2160; do
            # shellcheck disable=SC2086
            run "look-$chart-layout$layout-$size" $args layout=$layout size=$size
        done
    done
done

# Window sizes, the monochrome copy for the half-page print and the printed page (A4 at 150 dpi).
for size in 640x480 800x600 1024x768 1280x720 1920x1080; do
    # shellcheck disable=SC2086
    run "size-$size" $greenwich size=$size layout=1 title="Aquarius stellium"
done
run monochrome chart=ordinary mono=1
# shellcheck disable=SC2086
run page-american $greenwich page=1 size=1240x1754 title="Aquarius stellium"
run page-european date=2024-06-21 time=14:30 zone=-10 lon=151.12E lat=33.52S house=K layout=1 \
    page=1 size=1240x1754 title=Sydney
