#!/usr/bin/env bash
# Builds the web edition and runs its browser tests in Debian's Chromium
# (playwright-core drives it; no browser is downloaded) against the site served
# on the loopback address, comparing with the native korvelin-report and
# korvelin-optimize, which it builds in build/.
# `--speed` also prints the speed figures (web/tests/speed.mjs).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build-web.sh

# The native tools the tests compare with, brought up to date in build/.
source scripts/deps.sh
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVELIN_WERROR=ON
cmake --build build -j "$(nproc)" --target korvelin-report korvelin-optimize

node --test --test-concurrency=1 web/tests/
if [ "${1:-}" = "--speed" ]; then
  node web/tests/speed.mjs
fi
