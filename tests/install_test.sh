#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the game into a scratch prefix and checks the tree a desktop needs: the program, a valid launcher,
# valid metadata, the icon at every size and as SVG, and the manual page. Then checks that Debian's layout
# for games (BRINDLOW_INSTALL_BINDIR=games) puts the program in games/ instead of bin/.
#
#   install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source_dir=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

[ -x "$prefix/bin/brindlow" ] || fail "bin/brindlow missing or not executable"
[ ! -e "$prefix/games" ] || fail "games/ installed without BRINDLOW_INSTALL_BINDIR=games"
launcher="$prefix/share/applications/org.brindlow.Brindlow.desktop"
[ -f "$launcher" ] || fail "launcher missing"
desktop-file-validate "$launcher" || fail "desktop-file-validate rejects the launcher"
grep -qx 'Categories=Game;BoardGame;' "$launcher" || fail "launcher categories"
grep -qx 'Icon=brindlow' "$launcher" || fail "launcher icon"
grep -qx 'Exec=brindlow' "$launcher" || fail "launcher command"
metainfo="$prefix/share/metainfo/org.brindlow.Brindlow.metainfo.xml"
[ -f "$metainfo" ] || fail "metainfo missing"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"

# A PNG's width and height stand in its header, big-endian, at bytes 16 and 20.
for size in 16 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/brindlow.png"
    [ -f "$png" ] || fail "icon $png missing"
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is no PNG"
    width=$(od -An -tu4 --endian=big -j16 -N4 "$png" | tr -d ' ')
    height=$(od -An -tu4 --endian=big -j20 -N4 "$png" | tr -d ' ')
    [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$png is ${width}x${height}, not ${size}x${size}"
done
svg="$prefix/share/icons/hicolor/scalable/apps/brindlow.svg"
[ -f "$svg" ] || fail "scalable icon missing"
grep -q '<svg xmlns="http://www.w3.org/2000/svg"' "$svg" || fail "$svg is no SVG"

man="$prefix/share/man/man6/brindlow.6"
[ -f "$man" ] || fail "manual page missing"
grep -q '^\.TH BRINDLOW 6 ' "$man" || fail "$man is no section 6 manual page"

# Every language the game speaks: its words, its launcher and metadata entries, and its manual page where
# man -L finds it.
languages=$(sed -n 's/^set(BRINDLOW_LANGUAGES \(.*\))$/\1/p' "$source_dir/CMakeLists.txt")
[ -n "$languages" ] || fail "no languages in CMakeLists.txt"
# gettext names a language in the metadata as BCP 47 does (pt-BR, zh-Hans-CN), depending on its version.
[ "$(grep -c '<summary xml:lang=' "$metainfo")" = "$(wc -w <<<"$languages")" ] ||
    fail "the metadata's summary is not in every language: $(grep -o '<summary xml:lang="[^"]*"' "$metainfo")"
for language in $languages; do
    [ -s "$prefix/share/brindlow/translations/brindlow_$language.qm" ] || fail "brindlow_$language.qm missing"
    grep -q "^Name\[$language\]=" "$launcher" || fail "launcher has no Name in $language"
    grep -q "^Comment\[$language\]=" "$launcher" || fail "launcher has no Comment in $language"
    grep -q "^Keywords\[$language\]=.*;$" "$launcher" || fail "launcher has no Keywords in $language"
    grep -q "<lang percentage=\"100\">$language</lang>" "$metainfo" || fail "metainfo does not name $language"
    found=$(MANPATH="$prefix/share/man" man -L "$language" -w brindlow 2>/dev/null) || true
    [ "$found" = "$prefix/share/man/$language/man6/brindlow.6" ] || fail "man -L $language finds '$found'"
    grep -q '^\.TH BRINDLOW 6 ' "$found" || fail "$found is no section 6 manual page"
done

# Debian's layout: configure a second tree with the games directory. Building it again would cost a whole
# build, and the install rules copy whatever is at the built paths, so it borrows this build's outputs.
games=$scratch/build-games
cmake -S "$source_dir" -B "$games" -DBRINDLOW_TESTS=OFF -DBRINDLOW_INSTALL_BINDIR=games >/dev/null
cp "$build/brindlow" "$games/brindlow"
cp -r "$build/icons" "$build/translations" "$build/desktop" "$build/man" "$games/"
cmake --install "$games" --prefix "$scratch/games-prefix" >/dev/null
[ -x "$scratch/games-prefix/games/brindlow" ] || fail "games/brindlow missing with BRINDLOW_INSTALL_BINDIR=games"
[ ! -e "$scratch/games-prefix/bin" ] || fail "bin/ installed with BRINDLOW_INSTALL_BINDIR=games"
[ -f "$scratch/games-prefix/share/man/man6/brindlow.6" ] || fail "manual page missing in the games layout"
echo "install tree ok"
