#!/usr/bin/env bash
# Plants each one-line fault of the table in turn, rebuilds incrementally what
# can see it and tells whether its tests caught it: the unit tests alone, or
# the ctest labels the row names (render and end-to-end tests rebuild the whole
# game). The sources are always put back, also when interrupted.
# Usage: run-mutations.sh [build folder] [table]
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build-mutate}
table=${2:-$root/tests/mutation/mutations.tsv}
log="$build/mutations.log"

configure() {
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DPELMORA_TESTS=ON -DPELMORA_BENCH=OFF >/dev/null &&
    cmake --build "$build" -j2 >/dev/null
}
configure || { echo "the tree as it stands does not build" >&2; exit 2; }
"$build/unit_tests" --gtest_brief=1 >/dev/null || { echo "the tree as it stands fails its tests" >&2; exit 2; }

# Gives 0 when the tests pass, 3 when the tree does not build, else what the tests gave.
run_tests() {
  if [[ $1 == unit ]]; then
    cmake --build "$build" -j2 --target unit_tests >>"$log" 2>&1 || return 3
    timeout 300 "$build/unit_tests" --gtest_brief=1 >>"$log" 2>&1
  else
    cmake --build "$build" -j2 >>"$log" 2>&1 || return 3
    (cd "$build" && timeout 1200 ctest -L "$1" -j2 --stop-on-failure >>"$log" 2>&1)
  fi
}

backup=$(mktemp)
current=""
restore() { [[ -n "$current" ]] && cp "$backup" "$root/$current" && current=""; }
trap 'restore; rm -f "$backup"' EXIT
trap 'exit 130' INT TERM

# Replaces the one occurrence of the original text ("\n" stands for a line end).
plant() {
  python3 - "$root/$1" "$2" "$3" <<'PY'
import sys
path, old, new = sys.argv[1], sys.argv[2].replace("\\n", "\n"), sys.argv[3].replace("\\n", "\n")
text = open(path).read()
if text.count(old) != 1:
    sys.exit(1)
open(path, "w").write(text.replace(old, new))
PY
}

: >"$log"
total=0 killed=0 survived=() unusable=()
declare -A planted caught
# Tabs become unit separators first: read would fold two tabs (an empty
# replacement) into one.
while IFS=$'\x1f' read -r file original replacement seen; do
  [[ -z "$file" || "$file" == \#* ]] && continue
  cp "$root/$file" "$backup"
  current=$file
  label="$file: $original -> $replacement"
  if ! plant "$file" "$original" "$replacement"; then
    restore; unusable+=("$label (text not found once)"); continue
  fi
  run_tests "${seen:-unit}"
  rc=$?
  restore
  if ((rc == 3)); then unusable+=("$label (does not compile)"); continue; fi
  folder=$(dirname "$file")
  total=$((total + 1)); planted[$folder]=$((${planted[$folder]:-0} + 1))
  case $rc in
    0) survived+=("$label"); echo "survived  $label" ;;
    124) killed=$((killed + 1)); echo "killed (timed out) $label" ;;
    *) killed=$((killed + 1)); echo "killed    $label" ;;
  esac
  ((rc != 0)) && caught[$folder]=$((${caught[$folder]:-0} + 1))
done < <(tr '\t' '\037' <"$table")
cmake --build "$build" -j2 >/dev/null

echo
for folder in $(printf '%s\n' "${!planted[@]}" | sort); do
  echo "  $folder: ${caught[$folder]:-0} of ${planted[$folder]}"
done
echo "$killed of $total planted faults caught ($(( total ? 100 * killed / total : 0 ))%)"
for s in "${survived[@]+"${survived[@]}"}"; do echo "  survived: $s"; done
for u in "${unusable[@]+"${unusable[@]}"}"; do echo "  not planted: $u"; done
[[ ${#survived[@]} -eq 0 && ${#unusable[@]} -eq 0 ]]
