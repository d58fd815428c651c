#!/usr/bin/env bash
# One front door for building and checking ZudozUrize. Every command first installs the Debian
# packages it needs that are missing, then configures and builds.
#
#   ./dev.sh run        build and open the window
#   ./dev.sh test       build and run every test
#   ./dev.sh sanitize   build with AddressSanitizer + UndefinedBehaviorSanitizer and run every test
#   ./dev.sh fuzz [S]   fuzz the number reader for S seconds (default 180)
#   ./dev.sh bench      build in Release and run the benchmarks
#   ./dev.sh deb        build the Debian package into out/
#   ./dev.sh screenshot write docs/screenshot.png from the program itself
set -euo pipefail
cd "$(dirname "$0")"

base_packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
    fonts-ipafont-gothic fonts-ipafont-mincho libgtest-dev libbenchmark-dev libboost-dev
    desktop-file-utils appstream dpkg-dev file)
fuzz_packages=(clang libclang-rt-14-dev)

install_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if ! command -v apt-get >/dev/null; then
        echo "Please install these packages with your package manager: ${missing[*]}" >&2
        exit 1
    fi
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing ${missing[*]}" >&2
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >&2
}

jobs=$(nproc 2>/dev/null || echo 2)

build() { # dir, extra cmake args...
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DZUDOZURIZE_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

command=${1:-}
[ $# -gt 0 ] && shift
case "$command" in
run)
    install_packages "${base_packages[@]}"
    build build
    exec build/app/zudozurize "$@"
    ;;
test)
    install_packages "${base_packages[@]}"
    build build
    ctest --test-dir build --output-on-failure -j "$jobs"
    ;;
sanitize)
    install_packages "${base_packages[@]}"
    build build-sanitize -DZUDOZURIZE_SANITIZE=ON -DZUDOZURIZE_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
        LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
        UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
    ;;
fuzz)
    install_packages "${base_packages[@]}" "${fuzz_packages[@]}"
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DZUDOZURIZE_FUZZ=ON -DZUDOZURIZE_BENCH=OFF \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build-fuzz --target fuzz_numberreader
    mkdir -p build-fuzz/corpus
    build-fuzz/tests/fuzz_numberreader -max_total_time="${1:-180}" -print_final_stats=1 \
        build-fuzz/corpus tests/fuzz-corpus
    ;;
bench)
    install_packages "${base_packages[@]}"
    build build-release -DCMAKE_BUILD_TYPE=Release
    QT_QPA_PLATFORM=offscreen build-release/bench/zudozurize_bench --benchmark_repetitions=5 \
        --benchmark_report_aggregates_only=true "$@"
    ;;
deb)
    install_packages "${base_packages[@]}"
    build build-release -DCMAKE_BUILD_TYPE=Release
    (cd build-release && cpack -G DEB -B "$PWD/../out")
    ls -1 out/*.deb
    ;;
screenshot)
    install_packages "${base_packages[@]}"
    build build
    QT_QPA_PLATFORM=offscreen build/tools/zudozurize-screenshot docs/screenshot.png
    ;;
*)
    sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//' >&2
    exit 2
    ;;
esac
