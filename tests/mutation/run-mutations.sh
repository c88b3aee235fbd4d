#!/usr/bin/env bash
# Plants each one-line fault of the table in turn, rebuilds the unit tests
# incrementally and tells whether they caught it. The sources are always put
# back, also when interrupted. Usage: run-mutations.sh [build folder] [table]
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build-mutate}
table=${2:-$root/tests/mutation/mutations.tsv}
log="$build/mutations.log"

configure() {
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DPELMORA_CORE_ONLY=ON >/dev/null &&
    cmake --build "$build" -j2 --target unit_tests >/dev/null
}
configure || { echo "the tree as it stands does not build" >&2; exit 2; }
"$build/unit_tests" --gtest_brief=1 >/dev/null || { echo "the tree as it stands fails its tests" >&2; exit 2; }

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
while IFS=$'\t' read -r file original replacement; do
  [[ -z "$file" || "$file" == \#* ]] && continue
  cp "$root/$file" "$backup"
  current=$file
  label="$file: $original -> $replacement"
  if ! plant "$file" "$original" "$replacement"; then
    restore; unusable+=("$label (text not found once)"); continue
  fi
  if ! cmake --build "$build" -j2 --target unit_tests >>"$log" 2>&1; then
    restore; unusable+=("$label (does not compile)"); continue
  fi
  total=$((total + 1))
  timeout 300 "$build/unit_tests" --gtest_brief=1 >>"$log" 2>&1
  rc=$?
  restore
  case $rc in
    0) survived+=("$label"); echo "survived  $label" ;;
    1) killed=$((killed + 1)); echo "killed    $label" ;;
    124) killed=$((killed + 1)); echo "killed (timed out) $label" ;;
    *) killed=$((killed + 1)); echo "killed (the runner crashed, rc $rc) $label" ;;
  esac
done <"$table"
cmake --build "$build" -j2 --target unit_tests >/dev/null

echo
echo "$killed of $total planted faults caught ($(( total ? 100 * killed / total : 0 ))%)"
for s in "${survived[@]+"${survived[@]}"}"; do echo "  survived: $s"; done
for u in "${unusable[@]+"${unusable[@]}"}"; do echo "  not planted: $u"; done
[[ ${#survived[@]} -eq 0 && ${#unusable[@]} -eq 0 ]]
