#!/usr/bin/env bash
# Checks every C++ source against the committed .clang-format; prints the
# files that differ. `clang-format -i` on them brings them in line.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(find app bench src tests tools web/binding -name '*.cpp' -o -name '*.h' | sort)
unformatted=()
for f in "${files[@]}"; do
  clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || unformatted+=("$f")
done
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "check-format: these files differ from .clang-format:" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
echo "check-format: ${#files[@]} files follow .clang-format"
