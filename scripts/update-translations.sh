#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Brings every Qt Linguist file in translations/ (or those named, e.g. translations/brindlow_de.ts) up to
# date with the game's texts: new texts come in unfinished, texts the game no longer has go.
#   ./scripts/update-translations.sh [FILE.ts...]
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
if [ $# -eq 0 ]; then
    set -- translations/brindlow_*.ts
fi
"$lupdate" -silent -locations none -no-obsolete -I . game window access platform -ts "$@"
