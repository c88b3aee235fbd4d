#!/usr/bin/env bash
# The player's folder and zip: the stripped program with its icon, version
# information and manifest, the Linux build's assets byte for byte, the
# licence, the read-me with Windows line ends, and the zip holding exactly
# that folder.
# usage: check-dist.sh DIST_FOLDER HOST_RUN_FOLDER ZIP VERSION
set -u
dist="$1" host_run="$2" zip="$3" version="$4"
status=0
fail() { echo "$*"; status=1; }
for f in pelmora.exe README.txt LICENSE.txt; do
  [[ -s "$dist/$f" ]] || fail "missing $f"
done
for d in textures sounds; do
  diff -r "$host_run/$d" "$dist/$d" || fail "$d differ from the generated ones"
done
listed=$(cmake -E tar tf "$zip" | sed 's|/$||' | sort)
present=$(cd "$dist/.." && find pelmora -mindepth 0 | sort)
[[ "$listed" == "$present" ]] || fail "the zip does not hold exactly the folder"

# Resource types: 14 icon group, 16 version, 24 manifest.
exe="$dist/pelmora.exe"
types=$(wrestool -l "$exe" | grep -o -- '--type=[0-9]*' | sort -u | tr '\n' ' ')
for type in 14 16 24; do
  [[ "$types" == *"--type=$type "* ]] || fail "pelmora.exe lacks resources of type $type (has: $types)"
done
# The version strings are UTF-16; without their zero bytes each key runs into its value.
strings=$(wrestool -x --raw --type=16 "$exe" | tr -d '\0')
for key in FileVersion ProductVersion; do
  [[ "$strings" == *"$key$version"* ]] || fail "the version resource's $key is not $version"
done
wrestool -x --raw --type=24 "$exe" | grep -q 'dpiAwareness' || fail "the manifest declares no DPI awareness"
x86_64-w64-mingw32-objdump -h "$exe" | grep -q '\.debug' && fail "pelmora.exe is not stripped"

grep -q 'Permission is hereby granted' "$dist/LICENSE.txt" || fail "LICENSE.txt holds no licence"
[[ $(grep -c $'\r$' "$dist/README.txt") == $(wc -l < "$dist/README.txt") ]] ||
  fail "README.txt has lines without a Windows line end"
exit $status
