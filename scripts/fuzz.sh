#!/bin/sh
# Builds every libFuzzer target of fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in a build folder of its own, then:
#   scripts/fuzz.sh            replays each seed corpus once (what CI runs)
#   scripts/fuzz.sh SECONDS    fuzzes each target for SECONDS
# A fuzzing run keeps the inputs it finds in BUILD/work/NAME and what made a
# target fail in BUILD/findings/NAME, and ends with one line per target:
# executions, edges covered, features, corpus size and findings.
# SX_FUZZ_JOBS targets run side by side (default 1), each under nice.
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${SX_FUZZ_BUILD_DIR:-${SX_BUILD_DIR:-$ROOT/build}/fuzz}
SECONDS_EACH=${1:-0}
JOBS=${SX_FUZZ_JOBS:-1}

case "$SECONDS_EACH" in
    ''|*[!0-9]*) echo "usage: $0 [SECONDS]" >&2; exit 2 ;;
esac

CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD" -G Ninja -DSX_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j"${SX_FUZZ_BUILD_JOBS:-2}" >/dev/null

targets=$(cd "$BUILD" && ls -- *_fuzz 2>/dev/null | sort)
[ -n "$targets" ] || { echo "no fuzz targets built in $BUILD" >&2; exit 1; }

# Corpus inputs never leak, so the leak checker only costs time.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"

replay() {
    name=${1%_fuzz}
    seeds="$ROOT/fuzz/corpus/$name"
    if [ ! -d "$seeds" ] || [ -z "$(ls -A "$seeds")" ]; then
        echo "FAIL $name: no seed corpus in fuzz/corpus/$name"
        return 1
    fi
    log="$BUILD/logs/$name.replay.log"
    mkdir -p "$BUILD/findings/$name"
    if "$BUILD/$1" -runs=0 -artifact_prefix="$BUILD/findings/$name/replay-" "$seeds" >"$log" 2>&1; then
        echo "ok   $name ($(ls "$seeds" | wc -l) inputs)"
    else
        echo "FAIL $name: see $log"
        tail -n 40 "$log"
        return 1
    fi
}

campaign() {
    name=${1%_fuzz}
    mkdir -p "$BUILD/work/$name" "$BUILD/findings/$name"
    nice -n 10 "$BUILD/$1" -max_total_time="$SECONDS_EACH" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$BUILD/findings/$name/" \
        "$BUILD/work/$name" "$ROOT/fuzz/corpus/$name" >"$BUILD/logs/$name.fuzz.log" 2>&1 || true
}

summary() {
    name=${1%_fuzz}
    log="$BUILD/logs/$name.fuzz.log"
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
    ft=$(grep -o 'ft: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
    corpus=$(ls "$BUILD/work/$name" | wc -l)
    findings=$(ls "$BUILD/findings/$name" | wc -l)
    printf '%-22s %12s %8s %8s %8s %9s\n' "$name" "${execs:-?}" "${cov:-?}" "${ft:-?}" \
        "$corpus" "$findings"
}

mkdir -p "$BUILD/logs"
if [ "$SECONDS_EACH" -eq 0 ]; then
    status=0
    for t in $targets; do replay "$t" || status=1; done
    exit $status
fi

running=0
for t in $targets; do
    campaign "$t" &
    running=$((running + 1))
    if [ "$running" -ge "$JOBS" ]; then
        wait
        running=0
    fi
done
wait

printf '%-22s %12s %8s %8s %8s %9s\n' target executions edges features corpus findings
status=0
for t in $targets; do
    summary "$t"
    [ -z "$(ls -A "$BUILD/findings/${t%_fuzz}")" ] || status=1
done
exit $status
