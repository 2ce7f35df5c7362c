#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Brings every translation in translations/ up to date with the English texts: the game's Qt Linguist files
# (or only those named, e.g. translations/brindlow_de.ts) with the code, and the gettext catalogues with the
# launcher, the metadata and the manual page. New texts come in untranslated, texts that are gone go.
#   ./scripts/update-translations.sh [FILE.ts...]
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
if [ $# -eq 0 ]; then
    set -- translations/brindlow_*.ts
fi
"$lupdate" -silent -locations none -no-obsolete -I . game window access platform -ts "$@"

[ -d translations/desktop ] || exit 0
xgettext --from-code=UTF-8 --no-location --package-name=brindlow --msgid-bugs-address=maintainers@brindlow.org \
    -o translations/desktop/brindlow-desktop.pot \
    desktop/org.brindlow.Brindlow.desktop desktop/org.brindlow.Brindlow.metainfo.xml
for po in translations/desktop/*.po; do
    msgmerge --quiet --update --backup=none --no-fuzzy-matching --no-location "$po" \
        translations/desktop/brindlow-desktop.pot
    msgattrib --no-obsolete --output-file="$po" "$po"
done
po4a --no-translations translations/man/po4a.cfg >/dev/null
