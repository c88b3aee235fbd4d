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

# Installed, started once and removed again: the player's folder keeps the
# top score it had and nothing else, no links left by this launcher or an
# earlier one. The game finds no display here, says so and ends, and still
# writes the score through its link. Needs root; one package test at a time
# on this machine.
echo "== dpkg -i, start, dpkg -r"
if [[ $(id -u) -ne 0 ]]; then
    echo "skipped: installing needs root"
elif dpkg-query -W -f='${Status}' pelmora 2>/dev/null | grep -q "ok installed"; then
    echo "skipped: pelmora is installed on this machine already"
else
    player="$root/player"
    data="$player/data/pelmora"
    mkdir -p "$data" "$player/runtime"
    ln -s /usr/share/games/pelmora/textures "$data/textures"
    ln -s /usr/share/games/pelmora/sounds "$data/sounds"
    score=$'<div id="topscore">\r\n<div id="ts_time">00:01:02</div>\r\n<div id="ts_value">42</div>\r\n</div>\r\n'
    printf '%s' "$score" > "$data/scoredata.xml"
    (
        flock 9
        dpkg -i "$deb" >/dev/null || fail "dpkg -i"
        env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 HOME="$player" \
            XDG_DATA_HOME="$player/data" XDG_RUNTIME_DIR="$player/runtime" \
            timeout 60 /usr/games/pelmora >/dev/null 2>&1 || fail "the installed launcher"
        dpkg -r pelmora >/dev/null || fail "dpkg -r"
        exit $failed
    ) 9>/tmp/pelmora-package-test.lock || failed=1
    [[ $(ls -A "$data") == "scoredata.xml" ]] || fail "after removal the player's folder holds: $(ls -A "$data" | tr '\n' ' ')"
    printf '%s' "$score" | cmp -s - "$data/scoredata.xml" || fail "the top score changed: $(cat "$data/scoredata.xml")"
    [[ -z $(ls -A "$player/runtime") ]] || fail "the game's run folder was left behind"
    [[ ! -e /usr/games/pelmora ]] || fail "dpkg -r left the launcher"
fi

exit $failed
