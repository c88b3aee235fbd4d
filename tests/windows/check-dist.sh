#!/usr/bin/env bash
# The player's folder and zip: the program, the Linux build's assets byte for
# byte, the read-me, and the zip holding exactly that folder.
set -u
dist="$1" host_run="$2" zip="$3"
status=0
for f in pelmora.exe README.txt; do
  [[ -s "$dist/$f" ]] || { echo "missing $f"; status=1; }
done
for d in textures sounds; do
  diff -r "$host_run/$d" "$dist/$d" || { echo "$d differ from the generated ones"; status=1; }
done
listed=$(cmake -E tar tf "$zip" | sed 's|/$||' | sort)
present=$(cd "$dist/.." && find pelmora -mindepth 0 | sort)
[[ "$listed" == "$present" ]] || { echo "the zip does not hold exactly the folder"; status=1; }
exit $status
