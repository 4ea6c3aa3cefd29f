#!/usr/bin/env bash
# The same figures on another processor: cross-builds the core, its tests and
# korvelin-report for 64-bit ARM (where long double is not the x87 type, so the
# software extended type computes the figures), runs the tests under qemu and
# checks that the ARM report prints byte for byte what each given x86 report
# prints for the realistic queues in tests/data/realistic-queues.
# usage: scripts/check-aarch64.sh X86_KORVELIN_REPORT...
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -eq 0 ]; then
  echo "usage: $0 X86_KORVELIN_REPORT..." >&2
  exit 2
fi
jobs=$(nproc)
emulator=(qemu-aarch64 -L /usr/aarch64-linux-gnu)

cmake -S . -B build-aarch64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake \
  -DCMAKE_BUILD_TYPE=Release -DKORVELIN_BUILD_GUI=OFF -DKORVELIN_BUILD_BENCHMARKS=OFF \
  -DKORVELIN_GTEST_SOURCE_DIR=/usr/src/googletest -DKORVELIN_WERROR=ON
cmake --build build-aarch64 -j "$jobs"
# Debian's ARM runtime for cross builds comes without glibc's character set
# converter modules, so the checks that compare with the system's code page
# 1251 converter cannot run here; the x86 builds run them.
ctest --test-dir build-aarch64 --output-on-failure -j "$jobs" \
  -E '^(CompactQueueText\.(EmptyQueueGivesEmptyText|ExampleGluesShortNamesToLevels)|EncodeCodePage1251\..*|QueueFileRandom\.PropertiesHoldOnRandomFiles)$'

# Each queue once with the file's planet inputs alone and once with its own
# (satellites, a temperature of the edit field).
cases=(
  "realistic-growth.bql|"
  "realistic-growth.bql|--satellites 12"
  "cold-planet.bql|"
  "cold-planet.bql|--satellites 150"
  "deuterium-shortage.bql|"
  "deuterium-shortage.bql|--satellites 3 --temperature 1000"
  "huge-levels.bql|"
  "huge-levels.bql|--satellites 1000000000"
  "research-marathon.bql|"
  "research-marathon.bql|--temperature -273"
)
arm_report=build-aarch64/tools/report/korvelin-report
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
entries=0
for c in "${cases[@]}"; do
  file=tests/data/realistic-queues/${c%%|*}
  read -r -a options <<<"${c#*|}"
  "${emulator[@]}" "$arm_report" --format csv "${options[@]}" "$file" >"$scratch/arm.csv" 2>"$scratch/arm.err"
  # A rejected file would compare equal while checking nothing.
  rows=$(($(wc -l <"$scratch/arm.csv") - 1))
  expected=$(sed -n '/^##BUILD##/,$p' "$file" | tail -n +2 | wc -l)
  if [ "$rows" -ne "$expected" ]; then
    echo "$file: the ARM report printed $rows rows for $expected entries" >&2
    exit 1
  fi
  for x86_report in "$@"; do
    "$x86_report" --format csv "${options[@]}" "$file" >"$scratch/x86.csv" 2>"$scratch/x86.err"
    if ! cmp -s "$scratch/arm.csv" "$scratch/x86.csv" || ! cmp -s "$scratch/arm.err" "$scratch/x86.err"; then
      echo "$file ${options[*]}: ARM and $x86_report differ:" >&2
      diff "$scratch/x86.csv" "$scratch/arm.csv" | head -20 >&2 || true
      diff "$scratch/x86.err" "$scratch/arm.err" | head -5 >&2 || true
      exit 1
    fi
  done
  entries=$((entries + rows))
done
echo "aarch64: ${#cases[@]} reports of $entries entries in all, byte-identical to $# x86 build(s)"
