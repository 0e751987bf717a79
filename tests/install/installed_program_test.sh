#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed orvantis-chart as a new user
# would: the user's files are seeded into that user's config folder, a chart prints, and nothing
# under the prefix changes. Validates the launcher and the AppStream file where the validators
# are installed.
# usage: installed_program_test.sh CMAKE BUILD_DIR
set -euo pipefail
cmake=$1
build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
home=$work/home
config=$home/.config/orvantis
mkdir -p "$home"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$cmake" --install "$build" --prefix "$prefix" >/dev/null
stray=$(cd "$prefix" && find . -type f | grep -Ev '^\./bin/orvantis(-chart(-images)?)?$|^\./share/(orvantis|applications|metainfo|icons/hicolor/scalable/apps|man/man1)/' || true)
[ -z "$stray" ] || fail "installed outside its folders: $stray"

snapshot() { (cd "$prefix" && find . -printf '%p %s %m %T@\n' | sort); }
before=$(snapshot)
# A clean environment: no display, no runtime folder, the user's home only (and the sanitizers'
# settings of a sanitizer build).
sanitizers=()
for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    [ -z "${!name:-}" ] || sanitizers+=("$name=${!name}")
done
chart() {
    (cd "$work" && env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        LANG=C.UTF-8 "${sanitizers[@]}" "$prefix/bin/orvantis-chart" "$@")
}

out=$(chart --date 2000-01-01 --time 12:00 --zone 0 --long 0.00W --lat 51.29N 2>&1) ||
    fail "orvantis-chart failed: $out"
grep -Eq "^Sun +Capricorn +10°22'" <<<"$out" || fail "no J2000 Sun in: $out"
cmp -s "$config/OPTIONS.OPT" "$prefix/share/orvantis/OPTIONS.MAS" || fail "OPTIONS.OPT not seeded"
cmp -s "$config/NATAL.ORB" "$prefix/share/orvantis/NATAL.ORB" || fail "NATAL.ORB not seeded"
cmp -s "$config/TRANSIT.ORB" "$prefix/share/orvantis/TRANSIT.ORB" || fail "TRANSIT.ORB not seeded"

# The wheel needs the shipped font and tables, the aspects the seeded orb file.
chart --png "$work/wheel.png" --aspects >/dev/null || fail "wheel image not made"
[ -s "$work/wheel.png" ] || fail "empty wheel image"

# A later start keeps the user's own options.
printf '5      edited\r\n' >"$config/OPTIONS.OPT"
chart --json >/dev/null || true
grep -q edited "$config/OPTIONS.OPT" || fail "the user's OPTIONS.OPT was replaced"

[ "$before" = "$(snapshot)" ] || fail "files under the prefix changed"
[ -z "$(ls -A "$work" | grep -Ev '^(prefix|home|wheel.png)$')" ] || fail "files left in the working folder"

share=$prefix/share
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$share/applications/org.orvantis.Orvantis.desktop" || fail "launcher"
    echo "desktop-file-validate: passed"
else
    echo "desktop-file-validate not installed: launcher not validated"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$share/metainfo/org.orvantis.Orvantis.metainfo.xml" ||
        fail "AppStream metainfo"
else
    echo "appstreamcli not installed: metainfo not validated"
fi
echo "installed program: passed"
