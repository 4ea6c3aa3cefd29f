#!/usr/bin/env bash
# Installs what is missing, builds the planner and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target korvelin
exec ./build/app/korvelin
