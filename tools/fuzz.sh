#!/bin/sh
# Fuzzing the core's readers and number text with libFuzzer (clang, ASan, UBSan).
#
#   tools/fuzz.sh TARGET SECONDS   build one target and fuzz it for SECONDS, starting
#                                  from tests/fuzz/corpus/TARGET; new inputs go to
#                                  build-fuzz/corpus/TARGET (not in git)
#   tools/fuzz.sh --regression     build every target, run each over its corpus plus
#                                  20000 fresh inputs; non-zero exit on any crash
#   tools/fuzz.sh --list           the target names
#
# Needs clang and libclang-rt-N-dev (Debian: clang libclang-rt-14-dev).
# BUILD_DIR (default build-fuzz) and FUZZ_RUNS (default 20000) may be set.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-fuzz}
# The targets run from a scratch folder: a relative build folder is the caller's.
case "$build" in
/*) ;;
*) build="$PWD/$build" ;;
esac
runs=${FUZZ_RUNS:-20000}
jobs=${FUZZ_JOBS:-2}
# The profile targets write a file per input: tmpfs keeps that fast. A short
# allocation history and a small quarantine make ASan several times quicker here.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0:quarantine_size_mb=16:detect_leaks=0}

targets() {
    for f in "$root"/tests/fuzz/fuzz_*.cpp; do
        basename "$f" .cpp | sed 's/^fuzz_//'
    done
}

configure() {
    if [ ! -f "$build/CMakeCache.txt" ]; then
        CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DTOLVEX_FUZZ=ON -DTOLVEX_BUILD_TESTS=OFF >/dev/null
    fi
}

build() {
    cmake --build "$build" -j"$jobs" --target "$@"
}

usage() {
    sed -n '2,13p' "$0" | sed 's/^# \{0,1\}//' >&2
    exit 2
}

[ $# -ge 1 ] || usage
case "$1" in
--list)
    targets
    ;;
--regression)
    configure
    all=""
    for t in $(targets); do all="$all fuzz_$t"; done
    # shellcheck disable=SC2086
    build $all
    failed=""
    for t in $(targets); do
        scratch=$(mktemp -d)
        mkdir -p "$build/crashes"
        echo "== fuzz_$t: corpus and $runs fresh inputs"
        # The corpus is read, never written: new inputs go to the scratch folder.
        if ! (cd "$scratch" && "$build/tests/fuzz/fuzz_$t" -runs="$runs" -seed=1 -max_len=4096 \
                  -print_final_stats=1 \
                  -artifact_prefix="$build/crashes/$t-" "$scratch" "$root/tests/fuzz/corpus/$t"); then
            failed="$failed $t"
        fi
        rm -rf "$scratch"
    done
    if [ -n "$failed" ]; then
        echo "fuzz regression FAILED:$failed" >&2
        exit 1
    fi
    echo "fuzz regression passed"
    ;;
-*)
    usage
    ;;
*)
    [ $# -eq 2 ] || usage
    t=${1#fuzz_}
    [ -f "$root/tests/fuzz/fuzz_$t.cpp" ] || { echo "no fuzz target '$t' (try --list)" >&2; exit 2; }
    configure
    build "fuzz_$t"
    scratch="$build/corpus/$t"
    mkdir -p "$scratch" "$build/crashes"
    # Crash inputs are written to build-fuzz/crashes/.
    exec "$build/tests/fuzz/fuzz_$t" -max_total_time="$2" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$build/crashes/$t-" "$scratch" "$root/tests/fuzz/corpus/$t"
    ;;
esac
