#!/usr/bin/env bash
# Installs what is missing on a Debian machine, builds Tolvex, then runs it
# ("run", the default) or runs the whole test suite ("test").
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
packages=(qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          libjpeg-dev libgl-dev fonts-liberation2 cmake g++ make poppler-utils)
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
cmake -S . -B "$build" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"

case "$mode" in
run)
    exec "$build/src/tolvex" "${@:2}"
    ;;
test)
    ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
    ;;
*)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac
