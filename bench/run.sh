#!/usr/bin/env bash
# The schedule benchmarks, the fuzzing of the schedule file reader and the start-up probes.
#   bench/run.sh BUILD_DIR      BUILD_DIR configured with -DHALVO_BUILD_BENCH=ON and built
# The fuzzer is built with clang in BUILD_DIR/fuzz and runs HALVO_FUZZ_SECONDS (default 180) seconds on a
# corpus seeded from tests/data; any crash, leak, timeout or failing probe fails the script.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$(cd "${1:?usage: bench/run.sh BUILD_DIR}" && pwd)"
FUZZ_SECONDS="${HALVO_FUZZ_SECONDS:-180}"

echo "== schedule benchmarks"
"$BUILD/bench/schedule_bench" --benchmark_counters_tabular=true

if [[ -x "$BUILD/bench/schedule_timer_lateness" ]]; then
    echo "== schedule timer lateness"
    QT_QPA_PLATFORM=offscreen "$BUILD/bench/schedule_timer_lateness"
fi

echo "== fuzzing the schedule file reader for ${FUZZ_SECONDS}s"
FUZZ_BUILD="$BUILD/fuzz"
cmake -S "$ROOT" -B "$FUZZ_BUILD" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DHALVO_WITH_QT=OFF -DHALVO_BUILD_TESTS=OFF -DHALVO_BUILD_BENCH=ON -DHALVO_FUZZ=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
    >/dev/null
cmake --build "$FUZZ_BUILD" -j2 --target schedule_reader_fuzz
CORPUS="$FUZZ_BUILD/corpus"
mkdir -p "$CORPUS"
cp "$ROOT"/tests/data/*.cks "$CORPUS"/
# libFuzzer ends with a non-zero status on a crash, a leak (LeakSanitizer), a slow input or too much memory.
ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=0 UBSAN_OPTIONS=print_stacktrace=1 \
    "$FUZZ_BUILD/bench/schedule_reader_fuzz" -max_total_time="$FUZZ_SECONDS" -timeout=10 -rss_limit_mb=1024 \
    -malloc_limit_mb=64 -max_len=8192 -print_final_stats=1 -artifact_prefix="$FUZZ_BUILD/" "$CORPUS"

shopt -s nullglob
for probe in "$ROOT"/bench/probe-*.sh; do
    if [[ -x "$probe" ]]; then
        echo "== $(basename "$probe")"
        "$probe" "$BUILD"
    fi
done
