#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz and runs each for a given time, two at
# a time, then prints the executions and findings of every target.
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]     default: 600 seconds, every target
# A finding (a crash, a sanitizer report, a broken invariant, a leak, a timeout) stops its target
# and leaves the input in build-fuzz/findings/<target>/; rerun it with
#   build-fuzz/fuzz/<target> build-fuzz/findings/<target>/crash-...
# The corpus grows in build-fuzz/corpus/<target>/ from the seeds in fuzz/corpus/<target>/ and is
# kept between runs. Not part of the test suite.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
shift || true
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
    echo "usage: bash scripts/fuzz.sh [SECONDS] [TARGET...]" >&2
    exit 2
fi

all_targets=(fuzz_text_readers fuzz_chart_command)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# clang and its libFuzzer runtime, only when missing (Debian 12: clang, libclang-rt-14-dev).
if ! command -v clang++ >/dev/null ||
    ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
    echo "== installing clang and libFuzzer"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        clang libclang-rt-14-dev
fi

build=build-fuzz
echo "== building the fuzz targets in $build"
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVANTIS_FUZZ=ON -DORVANTIS_TESTS=OFF -DORVANTIS_WERROR=ON \
    >/dev/null
cmake --build "$build" -j 2 --target "${targets[@]}"

# Runs one target for $seconds; its log goes to $build/logs/<target>.log.
run_one() {
    local target=$1 name=${1#fuzz_}
    local corpus=$build/corpus/$name findings=$build/findings/$target
    mkdir -p "$corpus" "$findings" "$build/logs"
    local options=(-max_total_time="$seconds" -print_final_stats=1 -timeout=10
        -max_len=8192 -rss_limit_mb=2048 -artifact_prefix="$findings/")
    [ -f "fuzz/dict/$name.dict" ] && options+=(-dict="fuzz/dict/$name.dict")
    local seeds=()
    [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
    local status=0
    "$build/fuzz/$target" "${options[@]}" "$corpus" "${seeds[@]}" \
        >"$build/logs/$target.log" 2>&1 || status=$?
    echo "$status" >"$build/logs/$target.status"
    echo "   $target done (exit $status)"
}

rm -f "$build"/logs/*.status
echo "== running ${#targets[@]} targets for $seconds s each, two at a time"
running=0
for target in "${targets[@]}"; do
    if [ "$running" -ge 2 ]; then
        wait -n || true
        running=$((running - 1))
    fi
    run_one "$target" &
    running=$((running + 1))
done
wait || true

echo
printf '%-22s %14s %10s %8s %s\n' target executions exec/s corpus findings
failed=0
for target in "${targets[@]}"; do
    log=$build/logs/$target.log
    execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || true)
    rate=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || true)
    corpus=$(find "$build/corpus/${target#fuzz_}" -type f | wc -l)
    # The inputs this run left, and the first line of each report.
    found=$(grep -E -c '^(==[0-9]+==ERROR|invariant violated|.*runtime error:|==[0-9]+== ERROR: libFuzzer)' "$log" || true)
    status=$(cat "$build/logs/$target.status" 2>/dev/null || echo "?")
    if [ "$status" != 0 ] || [ "$found" != 0 ]; then
        failed=1
        report=$(grep -E -m1 '(ERROR|invariant violated|runtime error:)' "$log" || echo "exit $status")
        artifact=$(grep -o "Test unit written to .*" "$log" | tail -1 | sed 's/Test unit written to //')
        printf '%-22s %14s %10s %8s %s\n' "$target" "${execs:-?}" "${rate:-?}" "$corpus" \
            "1: $report ${artifact:+($artifact)}"
    else
        printf '%-22s %14s %10s %8s %s\n' "$target" "${execs:-?}" "${rate:-?}" "$corpus" "none"
    fi
done
echo "(logs in $build/logs/)"
exit "$failed"
