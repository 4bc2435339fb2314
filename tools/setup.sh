#!/usr/bin/env bash
# Installs what is missing on a Debian machine, builds Tolvex, then runs it
# ("run", the default) or checks the sources, builds with warnings as errors and runs
# the whole test suite, then builds it once more with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs the suite under them, and last runs every fuzz
# target over its corpus and a fixed number of fresh inputs ("test").
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
case "$mode" in
run | test) ;;
*)
    echo "usage: $0 [run [PROGRAM OPTIONS…] | test]" >&2
    exit 2
    ;;
esac

packages=(qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          libjpeg-dev libgl-dev fonts-liberation2 cmake g++ make poppler-utils)
# The test command also checks formatting and runs the fuzz targets (clang's libFuzzer).
if [ "$mode" = test ]; then
    packages+=(clang-format clang libclang-rt-14-dev)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build=${BUILD_DIR:-build}
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
# A new build folder gets Makefiles; an existing one keeps the generator it was made with.
[ -f "$build/CMakeCache.txt" ] || options+=(-G "Unix Makefiles")

case "$mode" in
run)
    cmake -S . -B "$build" "${options[@]}" -DTOLVEX_WERROR=OFF >/dev/null
    cmake --build "$build" -j"$(nproc)"
    exec "$build/src/tolvex" "${@:2}"
    ;;
test)
    ./tools/check-sources.sh
    cmake -S . -B "$build" "${options[@]}" -DTOLVEX_WERROR=ON >/dev/null
    cmake --build "$build" -j"$(nproc)"
    ctest --test-dir "$build" --output-on-failure -j"$(nproc)"

    # Any sanitizer report (a leak included) stops the test that made it.
    sanitized=${SANITIZED_BUILD_DIR:-$build-sanitized}
    sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all"
    sanitizedOptions=(-DCMAKE_BUILD_TYPE=Debug)
    [ -f "$sanitized/CMakeCache.txt" ] || sanitizedOptions+=(-G "Unix Makefiles")
    cmake -S . -B "$sanitized" "${sanitizedOptions[@]}" -DTOLVEX_WERROR=OFF \
        -DCMAKE_CXX_FLAGS="$sanitizers -fno-omit-frame-pointer -O1" \
        -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" -DCMAKE_SHARED_LINKER_FLAGS="$sanitizers" >/dev/null
    cmake --build "$sanitized" -j"$(nproc)"
    ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir "$sanitized" --output-on-failure -j"$(nproc)"

    BUILD_DIR="$build-fuzz" ./tools/fuzz.sh --regression
    ;;
esac
