#!/usr/bin/env bash
# Checks the Debian package as the archive and a desktop would see it: lintian,
# the menu entry, the metainfo and the manual page; and that its version and
# screenshots agree with the rest of the tree.
# usage: check-package.sh SOURCE_FOLDER PACKAGE VERSION
set -euo pipefail
source=$1 deb=$2 version=$3
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

echo "== lintian $(basename "$deb")"
lintian --fail-on error,warning --pedantic --display-info --show-overrides "$deb" ||
    fail "lintian reports an error or a warning"

dpkg -x "$deb" "$root"
# Each override carries the comment that explains it.
awk '!/^#/ && NF && prev !~ /^#/ { print "uncommented override: " $0; bad = 1 } { prev = $0 } END { exit bad }' \
    "$root/usr/share/lintian/overrides/pelmora" || fail "lintian overrides without a reason"

echo "== desktop entry, metainfo"
desktop-file-validate "$root/usr/share/applications/pelmora.desktop" || fail "desktop-file-validate"
metainfo=$(echo "$root"/usr/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli validate"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"

echo "== manual page"
page="$root/usr/share/man/man6/pelmora.6.gz"
said=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null || echo "man fails")
said+=$(zcat "$page" | groff -ww -t -man -z -rLL=80n 2>&1 || echo "groff fails")
[[ -z "$said" ]] || fail "the manual page draws warnings: $said"

echo "== version $version"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "package version is not $version"
[[ $(zcat "$root/usr/share/doc/pelmora/changelog.gz" | head -n 1) == "pelmora ($version) "* ]] ||
    fail "the changelog's newest entry is not $version"
newest=$(grep -o -m 1 '<release version="[^"]*"' "$metainfo" | cut -d '"' -f 2)
[[ "$newest" == "$version" ]] || fail "the metainfo's newest release is $newest, not $version"
grep -q "pelmora_${version}_" "$source/README.md" || fail "the README does not name version $version"

echo "== screenshots"
shots=$(grep -o '[^/]*\.png</image>' "$metainfo" | sed 's/\.png<\/image>//' || true)
[[ -n "$shots" ]] || fail "the metainfo shows no screenshots"
for shot in $shots; do
    grep -qF "shotPath(\"$shot\")" "$source/tests/e2e/e2e_test.cpp" ||
        fail "screenshot $shot.png is not a shot the end-to-end run takes"
done

exit $failed
