#!/usr/bin/env bash
# The README's test command on a machine with nothing on it: builds a minimal Debian 12 root
# with debootstrap, copies this checkout into it and runs `bash scripts/orvantis.sh test` there
# with chroot, as root, with no display and no XDG_RUNTIME_DIR. Slow (it downloads and builds
# everything, twice); not part of the test command. Run as root:
#   bash scripts/fresh-check.sh [FOLDER]
# With --package it instead builds the Debian package here (cpack in build/), installs it into the
# bare root with apt, and runs orvantis-chart there as a new normal user; where Xvfb and
# ImageMagick are at hand it also starts the installed window as that user and saves a
# screenshot to $SHOT (default /var/tmp/orvantis-package-window.png).
#   bash scripts/fresh-check.sh --package [FOLDER]
# FOLDER (absent or empty) receives the root and is removed afterwards; KEEP_ROOT=1 keeps it.
# MIRROR chooses the Debian mirror (default http://deb.debian.org/debian).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -ne 0 ]; then
    echo "fresh-check: debootstrap and chroot need root" >&2
    exit 2
fi
package=0
if [ "${1:-}" = --package ]; then
    package=1
    shift
fi
root=${1:-$(mktemp -d /var/tmp/orvantis-fresh.XXXXXX)}
mirror=${MIRROR:-http://deb.debian.org/debian}
mkdir -p "$root"
root=$(cd "$root" && pwd)
if [ -n "$(ls -A "$root")" ]; then
    echo "fresh-check: $root is not empty" >&2
    exit 2
fi
# mktemp makes the folder private; it becomes the root folder that a normal user walks through.
chmod 755 "$root"

if ! command -v debootstrap >/dev/null; then
    echo "== installing debootstrap"
    DEBIAN_FRONTEND=noninteractive apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap
fi

# Unmount before removing anything: a bind mount left in place would let rm reach the host.
start=$(date +%s)
cleanup() {
    local status=$?
    local verdict=passed
    [ "$status" -eq 0 ] || verdict="FAILED (status $status)"
    echo "== fresh-check $verdict after $(($(date +%s) - start)) s"
    [ -z "${xvfb_pid:-}" ] || kill "$xvfb_pid" 2>/dev/null || true
    for m in tmp/.X11-unix dev/pts dev sys proc; do
        if mountpoint -q "$root/$m"; then umount "$root/$m" || umount -l "$root/$m"; fi
    done
    if [ "${KEEP_ROOT:-0}" = 1 ]; then
        echo "== kept $root"
    elif ! grep -q " $root/" /proc/self/mounts; then
        rm -rf --one-file-system "$root"
    else
        echo "fresh-check: $root still has mounts; not removed" >&2
    fi
    exit "$status"
}
trap cleanup EXIT

if [ "$package" = 1 ]; then
    echo "== building the Debian package in build/"
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build -j "$(nproc 2>/dev/null || echo 2)" >/dev/null
    rm -f build/orvantis_*.deb
    (cd build && cpack -G DEB >/dev/null)
    deb=$(echo build/orvantis_*.deb)
    [ -f "$deb" ] || {
        echo "fresh-check: no package was made" >&2
        exit 1
    }
fi

echo "== debootstrap --variant=minbase bookworm $root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 || {
    tail -20 "$root.debootstrap.log" >&2
    exit 1
}
rm -f "$root.debootstrap.log"

if [ "$package" = 0 ]; then
    echo "== copying the checkout to /root/orvantis"
    mkdir -p "$root/root/orvantis"
    git ls-files -z --cached --others --exclude-standard |
        tar --null -T - -cf - | tar -xf - -C "$root/root/orvantis"
fi

mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"

in_root() {
    env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
        TERM=dumb chroot "$root" "$@"
}

if [ "$package" = 1 ]; then
    cp "$deb" "$root/tmp/"
    echo "== apt install ./$(basename "$deb"), inside the root"
    in_root bash -ec "apt-get update -q >/dev/null
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q /tmp/$(basename "$deb") >/dev/null
        useradd -m astrologer"
    shipped() { (cd "$root/usr" && find bin share -printf '%p %s %T@\n' | sort | md5sum); }
    before=$(shipped)
    echo "== orvantis-chart as the normal user astrologer"
    in_root su - astrologer -c 'orvantis-chart --version && orvantis-chart &&
        orvantis-chart --aspects >/dev/null &&
        orvantis-chart --png /tmp/wheel.png >/dev/null && ls -l ~/.config/orvantis'
    [ -f "$root/home/astrologer/.config/orvantis/OPTIONS.OPT" ] || {
        echo "fresh-check: the user's settings were not made" >&2
        exit 1
    }
    if command -v Xvfb >/dev/null && command -v import >/dev/null; then
        shot=${SHOT:-/var/tmp/orvantis-package-window.png}
        display=:$((100 + $$ % 400))
        Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        sleep 2
        mkdir -p "$root/tmp/.X11-unix"
        mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
        echo "== the window, started from the launcher's command as astrologer"
        in_root su - astrologer -c "DISPLAY=$display $(sed -n 's/^Exec=//p' \
            "$root/usr/share/applications/org.orvantis.Orvantis.desktop")" &
        window=$!
        sleep 10
        DISPLAY=$display import -window root "$shot"
        # The window ends with its display.
        kill "$xvfb_pid"
        wait "$window" || true
        xvfb_pid=
        echo "== screenshot: $shot"
    else
        echo "== no Xvfb or ImageMagick here: no screenshot"
    fi
    [ "$before" = "$(shipped)" ] || {
        echo "fresh-check: the programs wrote under /usr" >&2
        exit 1
    }
    exit 0
fi

echo "== bash scripts/orvantis.sh test, inside the root"
env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root TERM=dumb \
    chroot "$root" bash -c 'cd /root/orvantis && bash scripts/orvantis.sh test'
