#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The translations are current and complete: every Qt Linguist file holds exactly the texts the game has
# today (lupdate run on a copy changes nothing), with every one translated; every gettext catalogue of the
# launcher, the metadata and the manual page matches its English file and is complete; and every language
# is in each of the lists that name them.
#
#   translations_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

languages=$(sed -n 's/^set(BRINDLOW_LANGUAGES \(.*\))$/\1/p' "$source_dir/CMakeLists.txt")
[ -n "$languages" ] || { echo "FAIL: no languages in CMakeLists.txt" >&2; exit 1; }
sorted() { tr ' ' '\n' | sed '/^$/d' | sort; }
[ "$(sorted <<<"$languages")" = "$(sed '/^#/d' "$source_dir/translations/desktop/LINGUAS" | sorted)" ] ||
    fail "translations/desktop/LINGUAS names other languages than CMakeLists.txt"
[ "$(sorted <<<"$languages")" = "$(sed -n 's/^\[po4a_langs\] //p' "$source_dir/translations/man/po4a.cfg" | sorted)" ] ||
    fail "translations/man/po4a.cfg names other languages than CMakeLists.txt"
[ "$(sorted <<<"$languages")" = "$(sed -n 's|.*<lang percentage="100">\(.*\)</lang>|\1|p' \
    "$source_dir/desktop/org.brindlow.Brindlow.metainfo.xml" | sorted)" ] ||
    fail "the metainfo names other languages than CMakeLists.txt"
[ "$(sorted <<<"$languages")" = "$(cd "$source_dir/translations" && ls brindlow_*.ts | sed 's/^brindlow_//; s/\.ts$//' | sorted)" ] ||
    fail "translations/ holds other Qt Linguist files than CMakeLists.txt names"

# The game's words: lupdate on a copy of the tree must leave every file as it is.
cp -r "$source_dir/game" "$source_dir/window" "$source_dir/access" "$source_dir/platform" "$source_dir/scripts" \
    "$scratch/"
mkdir "$scratch/translations"
cp "$source_dir"/translations/brindlow_*.ts "$scratch/translations/"
(cd "$scratch" && LUPDATE=${LUPDATE:-} ./scripts/update-translations.sh >/dev/null)
# What a Qt Linguist file says, whatever the lupdate that wrote it: each message and its translation; with
# "unfinished", only the messages without a finished translation.
ts_messages() {
    python3 - "$@" <<'PYTHON'
import sys
import xml.etree.ElementTree as tree
for context in tree.parse(sys.argv[1]).getroot().iter("context"):
    for message in context.iter("message"):
        translation = message.find("translation")
        finished = translation.get("type") is None and bool(translation.text)
        if len(sys.argv) < 3 or not finished:
            print(repr((context.findtext("name"), message.findtext("source"), message.findtext("comment"),
                        message.findtext("extracomment"), translation.get("type"), translation.text)))
PYTHON
}
for language in $languages; do
    ts=translations/brindlow_$language.ts
    diff -u <(ts_messages "$source_dir/$ts") <(ts_messages "$scratch/$ts") >"$scratch/diff" || {
        fail "$ts is out of date with the code (run ./scripts/update-translations.sh):"
        head -20 "$scratch/diff" >&2
    }
    unfinished=$(ts_messages "$source_dir/$ts" unfinished | wc -l)
    [ "$unfinished" = 0 ] || fail "$ts has $unfinished unfinished or empty entries"
done

# The launcher and the metadata, and the manual page: the templates match the English files, and every
# catalogue is complete and free of format errors.
xgettext --from-code=UTF-8 --no-location --omit-header -o "$scratch/desktop.pot" \
    "$source_dir/desktop/org.brindlow.Brindlow.desktop" "$source_dir/desktop/org.brindlow.Brindlow.metainfo.xml"
messages() { msgcat --no-location --no-wrap --sort-output "$1" | sed -n '/^msgid/,$p' | grep -v '^#'; }
msgids() { messages "$1" | grep '^msgid' | grep -vx 'msgid ""' | sort; }
[ "$(msgids "$scratch/desktop.pot")" = "$(msgids "$source_dir/translations/desktop/brindlow-desktop.pot")" ] ||
    fail "translations/desktop/brindlow-desktop.pot is out of date (run ./scripts/update-translations.sh)"
mkdir -p "$scratch/man/translations/man" "$scratch/man/docs"
cp "$source_dir/docs/brindlow.6" "$scratch/man/docs/"
cp "$source_dir"/translations/man/* "$scratch/man/translations/man/"
(cd "$scratch/man" && po4a --no-translations translations/man/po4a.cfg >/dev/null 2>&1)
[ "$(msgids "$scratch/man/translations/man/brindlow-man.pot")" = \
  "$(msgids "$source_dir/translations/man/brindlow-man.pot")" ] ||
    fail "translations/man/brindlow-man.pot is out of date with docs/brindlow.6 (run ./scripts/update-translations.sh)"
for language in $languages; do
    for kind in desktop man; do
        po=translations/$kind/$language.po
        msgfmt --check --statistics -o /dev/null "$source_dir/$po" 2>"$scratch/statistics" ||
            { fail "$po: msgfmt rejects it"; cat "$scratch/statistics" >&2; continue; }
        grep -Eq 'fuzzy|untranslated' "$scratch/statistics" && fail "$po: $(cat "$scratch/statistics")"
        template=translations/$kind/brindlow-$kind.pot
        [ "$(msgids "$source_dir/$po")" = "$(msgids "$source_dir/$template")" ] ||
            fail "$po does not hold the texts of $template (run ./scripts/update-translations.sh)"
    done
done

[ "$failures" = 0 ] || exit 1
echo "translations current and complete: $(wc -w <<<"$languages") languages"
