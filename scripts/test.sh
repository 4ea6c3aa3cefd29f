#!/usr/bin/env bash
# Installs what is missing, checks the format of the C++ sources, builds
# everything with warnings as errors and runs every test: the full
# build, its install and Debian package, then the core once more under
# AddressSanitizer and UndefinedBehaviorSanitizer (with one short run of every
# core benchmark), once more with the software
# extended type, cross-built for 64-bit ARM, and as the web edition in a browser.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
jobs=$(nproc)
bash scripts/check-format.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVELIN_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
bash scripts/check-install.sh build

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DKORVELIN_BUILD_GUI=OFF -DKORVELIN_BUILD_BENCHMARKS=ON -DKORVELIN_SANITIZE=address,undefined -DKORVELIN_WERROR=ON
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
# Every benchmark once, with the least work, so that a fault only a benchmark
# reaches is caught too; their timings mean nothing here.
for bench in build-sanitize/bench/korvelin_*_bench; do
  echo "smoke run: $bench"
  KORVELIN_BENCH_SMOKE=1 "$bench" --benchmark_min_time=0 >/dev/null
done

cmake -S . -B build-soft -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKORVELIN_BUILD_GUI=OFF -DKORVELIN_BUILD_BENCHMARKS=OFF -DKORVELIN_SOFT_EXTENDED=ON -DKORVELIN_WERROR=ON
cmake --build build-soft -j "$jobs"
ctest --test-dir build-soft --output-on-failure -j "$jobs"

bash scripts/check-aarch64.sh build/tools/report/korvelin-report build-soft/tools/report/korvelin-report

# The web edition: the same core in WebAssembly, its page and its browser tests.
bash scripts/test-web.sh
