#!/usr/bin/env bash
# Installs the game into a scratch prefix and checks the tree a desktop needs: the program, a valid launcher,
# valid metadata, and the icon at 16 x 16 and 32 x 32.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

[ -x "$prefix/bin/brindlow" ] || fail "bin/brindlow missing or not executable"
launcher="$prefix/share/applications/org.brindlow.Brindlow.desktop"
[ -f "$launcher" ] || fail "launcher missing"
desktop-file-validate "$launcher" || fail "desktop-file-validate rejects the launcher"
grep -qx 'Categories=Game;BoardGame;' "$launcher" || fail "launcher categories"
grep -qx 'Icon=brindlow' "$launcher" || fail "launcher icon"
metainfo="$prefix/share/metainfo/org.brindlow.Brindlow.metainfo.xml"
[ -f "$metainfo" ] || fail "metainfo missing"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"

# A PNG's width and height stand in its header, big-endian, at bytes 16 and 20.
for size in 16 32; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/brindlow.png"
    [ -f "$png" ] || fail "icon $png missing"
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is no PNG"
    width=$(od -An -tu4 --endian=big -j16 -N4 "$png" | tr -d ' ')
    height=$(od -An -tu4 --endian=big -j20 -N4 "$png" | tr -d ' ')
    [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$png is ${width}x${height}, not ${size}x${size}"
done
echo "install tree ok"
