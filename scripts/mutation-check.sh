#!/usr/bin/env bash
# Checks that the core tests catch realistic faults: applies each single-point
# mutant of scripts/mutants.txt alone to a scratch copy of the tree, builds the
# core (no window, no benchmarks) and runs the core tests. A mutant is killed
# when the build or a test fails; the rest survive. Prints the kill rate per
# core folder and overall, and the survivors. Takes minutes, so it is not part
# of scripts/test.sh.
#
#   bash scripts/mutation-check.sh [--only TEXT] [--list-only] [MUTANTS-FILE]
#
# --only TEXT   only the mutants whose file or description contains TEXT
# --list-only   only check that every mutant still applies (seconds)
#
# The scratch copy and its build stay in $KORVELIN_MUTATION_DIR (default: a
# folder under ${TMPDIR:-/tmp}) so that the next run rebuilds only what
# changed; ccache and lld are used when installed. Exit status: 0 when at
# least 90% are killed, 1 below that, 2 when the unchanged tree fails to build
# or pass its tests (or no mutant matches), 3 when a mutant is STALE (its
# original lines do not occur exactly once).
set -uo pipefail
export LC_ALL=C

root=$(cd "$(dirname "$0")/.." && pwd)
mutants_file=$root/scripts/mutants.txt
only=""
list_only=0
while (($#)); do
  case "$1" in
    --only) only=${2:?--only needs a text}; shift 2 ;;
    --list-only) list_only=1; shift ;;
    -h|--help) awk 'NR > 1 && !/^#/ { exit } NR > 1 { sub(/^# ?/, ""); print }' "$0"; exit 0 ;;
    *) mutants_file=$1; shift ;;
  esac
done
target_percent=90
test_timeout=120

# The list: "@ file: description", then "-" lines (original), "+" lines.
m_file=() m_desc=() m_orig=() m_repl=()
read_mutants() {
  local line n=-1 have_orig=() have_repl=()
  while IFS= read -r line || [[ -n $line ]]; do
    case "$line" in
      '@ '*)
        n=$((n + 1))
        line=${line#@ }
        m_file[n]=${line%%: *}
        m_desc[n]=${line#*: }
        m_orig[n]="" m_repl[n]=""
        have_orig[n]=0 have_repl[n]=0
        ;;
      -*|+*)
        if ((n < 0)); then
          echo "$mutants_file: a \"$line\" line before the first @ line" >&2
          exit 2
        fi
        if [[ $line == -* ]]; then
          ((have_orig[n])) && m_orig[n]+=$'\n'
          m_orig[n]+=${line:1}
          have_orig[n]=1
        else
          ((have_repl[n])) && m_repl[n]+=$'\n'
          m_repl[n]+=${line:1}
          have_repl[n]=1
        fi
        ;;
    esac
  done <"$mutants_file"
}
read_mutants

# How often `text` occurs in `content`, without overlaps.
occurrences() {
  local content=$1 text=$2
  [[ -z $text ]] && { echo 0; return; }
  local rest=${content//"$text"/}
  echo $(((${#content} - ${#rest}) / ${#text}))
}

read_file() {
  # Keeps trailing newlines, which $(<file) would drop.
  IFS= read -r -d '' "$1" <"$2" || true
}

selected=() stale=()
for i in "${!m_file[@]}"; do
  if [[ -n $only && ${m_file[i]} != *"$only"* && ${m_desc[i]} != *"$only"* ]]; then
    continue
  fi
  count=0
  if [[ -f $root/${m_file[i]} ]]; then
    read_file content "$root/${m_file[i]}"
    count=$(occurrences "$content" "${m_orig[i]}")
  fi
  if ((count != 1)); then
    echo "STALE    ${m_file[i]}: ${m_desc[i]} (original lines found $count times)"
    stale+=("$i")
  else
    selected+=("$i")
  fi
done
echo "${#selected[@]} mutants apply, ${#stale[@]} stale, from $mutants_file"
if ((list_only)); then
  ((${#stale[@]} == 0)) || exit 3
  exit 0
fi
if ((${#selected[@]} == 0)); then
  ((${#stale[@]} > 0)) && exit 3
  echo "no mutant matches \"$only\"" >&2
  exit 2
fi

start_seconds=$SECONDS
scratch=${KORVELIN_MUTATION_DIR:-${TMPDIR:-/tmp}/korvelin-mutation-$(id -u)-$(printf '%s' "$root" | cksum | cut -d' ' -f1)}
tree=$scratch/tree
build=$tree/build
mkdir -p "$tree"

# The working tree's files, tracked or not (ignored ones aside), into the copy;
# only changed files are copied, so that their build stays current.
(cd "$root" && git ls-files -z --cached --others --exclude-standard) |
  while IFS= read -r -d '' f; do
    [[ -f $root/$f ]] || continue
    if ! cmp -s "$root/$f" "$tree/$f"; then
      mkdir -p "$(dirname "$tree/$f")"
      cp "$root/$f" "$tree/$f"
    fi
  done

# Every mutant relinks every test program: ccache and lld keep that short.
speedups=()
if command -v ccache >/dev/null; then
  speedups+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR=$scratch
fi
if command -v ld.lld >/dev/null; then
  speedups+=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld)
fi
# -O2 as the usual builds, without debug information to keep links short.
cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DKORVELIN_BUILD_GUI=OFF -DKORVELIN_BUILD_BENCHMARKS=OFF "${speedups[@]}" >"$scratch/configure.log" 2>&1 ||
  { echo "configuring the scratch build failed: see $scratch/configure.log" >&2; exit 2; }

# The first build makes everything; a mutant's build only the test programs.
targets=()
build_core() {
  cmake --build "$build" -j "$(nproc)" ${targets[@]:+--target "${targets[@]}"} >"$scratch/build.log" 2>&1
}

# Runs the core test executables, those of the mutated folder first; stops at
# the first failure. Prints what failed.
run_tests() {
  local folder=$1 tests=() t
  [[ $folder == report ]] && folder=tools
  mapfile -t tests < <(find "$build/tests" -type f -perm -u+x -name 'korvelin_*_tests' | sort)
  mapfile -t tests < <(printf '%s\n' "${tests[@]}" | grep "/tests/$folder/"; printf '%s\n' "${tests[@]}" | grep -v "/tests/$folder/")
  for t in "${tests[@]}"; do
    (cd "$(dirname "$t")" && timeout "$test_timeout" "$t" --gtest_brief=1 --gtest_fail_fast >"$scratch/test.log" 2>&1)
    case $? in
      0) ;;
      124) echo "timeout in ${t#"$build"/}"; return 1 ;;
      *) echo "${t#"$build"/}"; return 1 ;;
    esac
  done
  return 0
}

echo "building the unchanged core in $build"
if ! build_core; then
  echo "the unchanged tree does not build: see $scratch/build.log" >&2
  exit 2
fi
if failed=$(run_tests none); [[ -n $failed ]]; then
  echo "the unchanged tree fails its tests ($failed): see $scratch/test.log" >&2
  exit 2
fi
mapfile -t targets < <(find "$build/tests" -type f -perm -u+x -name 'korvelin_*_tests' -printf '%f\n' | sort)

declare -A total_of killed_of
survivors=()
number=0
for i in "${selected[@]}"; do
  number=$((number + 1))
  file=${m_file[i]}
  folder=${file#src/}
  folder=${folder%%/*}
  total_of[$folder]=$((${total_of[$folder]:-0} + 1))
  read_file original "$tree/$file"
  printf '%s' "${original/"${m_orig[i]}"/"${m_repl[i]}"}" >"$tree/$file"
  if ! build_core; then
    verdict="killed   (does not build)"
  elif failed=$(run_tests "$folder"); then
    verdict="SURVIVED"
  else
    verdict="killed   ($failed)"
  fi
  # Written anew, so that the next build compiles it again (from the cache).
  printf '%s' "$original" >"$tree/$file"
  if [[ $verdict == SURVIVED ]]; then
    survivors+=("$file: ${m_desc[i]}")
  else
    killed_of[$folder]=$((${killed_of[$folder]:-0} + 1))
  fi
  printf '[%2d/%d] %s  %s: %s\n' "$number" "${#selected[@]}" "$verdict" "$file" "${m_desc[i]}"
done
build_core || true

echo
printf '%-10s %7s %6s\n' folder killed rate
all_killed=0
for folder in $(printf '%s\n' "${!total_of[@]}" | sort); do
  k=${killed_of[$folder]:-0} t=${total_of[$folder]}
  all_killed=$((all_killed + k))
  printf '%-10s %7s %5d%%\n' "src/$folder" "$k/$t" $((100 * k / t))
done
rate=$((100 * all_killed / ${#selected[@]}))
printf '%-10s %7s %5d%%\n' overall "$all_killed/${#selected[@]}" "$rate"
if ((${#survivors[@]})); then
  echo "Survivors:"
  printf '  %s\n' "${survivors[@]}"
fi
elapsed=$((SECONDS - start_seconds))
echo "Took $((elapsed / 60))m $((elapsed % 60))s for ${#selected[@]} mutants."
if ((${#stale[@]})); then
  echo "${#stale[@]} STALE mutants: refresh them in $mutants_file" >&2
  exit 3
fi
((rate >= target_percent)) || exit 1
exit 0
