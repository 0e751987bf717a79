#!/usr/bin/env bash
# The two set-up commands of the README:
#   bash scripts/orvantis.sh run    install what is needed, build, start the clock window
#   bash scripts/orvantis.sh test   install what is needed, build, run the whole test suite
#                                   (once plainly, once under AddressSanitizer, LeakSanitizer
#                                   and UBSan)
# Safe to run again: packages already present are not reinstalled and builds are incremental.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-}
case "$mode" in
run | test) ;;
*)
    echo "usage: bash scripts/orvantis.sh run|test" >&2
    exit 2
    ;;
esac

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev libqt6svg6
    libgtest-dev libgmock-dev libbenchmark-dev
    libswe-dev libnova-dev
    libgeonames-dev libgeonames0 libqt6sql6-sqlite
    python3 python3-fonttools fonts-dejavu-core
    xvfb xauth librsvg2-bin
    tzdata
    desktop-file-utils appstream
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "== installing: ${missing[*]}"
        as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
    fi
}

jobs=$(nproc 2>/dev/null || echo 2)

build() { # build DIR [cmake options...]
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

install_packages

if [ "$mode" = run ]; then
    build build
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/orvantis ]; then
        exec build/orvantis
    fi
    echo "No display found: showing the present chart on the terminal instead."
    echo "(Start a desktop session, or run under xvfb-run, to see the clock window.)"
    exec build/orvantis-chart
fi

build build -DORVANTIS_WERROR=ON
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== the suite again under AddressSanitizer (with LeakSanitizer) and UndefinedBehaviorSanitizer"
build build-asan -DORVANTIS_WERROR=ON -DORVANTIS_SANITIZE=ON
# Qt and fontconfig free what they allocate on this platform, so leaks are checked unsuppressed.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"
