#!/usr/bin/env bash
# The README's test command on a machine with nothing on it: builds a minimal Debian 12 root
# with debootstrap, copies this checkout into it and runs `bash scripts/orvantis.sh test` there
# with chroot, as root, with no display and no XDG_RUNTIME_DIR. Slow (it downloads and builds
# everything, twice); not part of the test command. Run as root:
#   bash scripts/fresh-check.sh [FOLDER]
# FOLDER (absent or empty) receives the root and is removed afterwards; KEEP_ROOT=1 keeps it.
# MIRROR chooses the Debian mirror (default http://deb.debian.org/debian).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -ne 0 ]; then
    echo "fresh-check: debootstrap and chroot need root" >&2
    exit 2
fi
root=${1:-$(mktemp -d /var/tmp/orvantis-fresh.XXXXXX)}
mirror=${MIRROR:-http://deb.debian.org/debian}
mkdir -p "$root"
root=$(cd "$root" && pwd)
if [ -n "$(ls -A "$root")" ]; then
    echo "fresh-check: $root is not empty" >&2
    exit 2
fi

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
    for m in dev/pts dev sys proc; do
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

echo "== debootstrap --variant=minbase bookworm $root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 || {
    tail -20 "$root.debootstrap.log" >&2
    exit 1
}
rm -f "$root.debootstrap.log"

echo "== copying the checkout to /root/orvantis"
mkdir -p "$root/root/orvantis"
git ls-files -z --cached --others --exclude-standard |
    tar --null -T - -cf - | tar -xf - -C "$root/root/orvantis"

mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"

echo "== bash scripts/orvantis.sh test, inside the root"
env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root TERM=dumb \
    chroot "$root" bash -c 'cd /root/orvantis && bash scripts/orvantis.sh test'
