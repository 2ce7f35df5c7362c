#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes docs/screenshot.png afresh: the game's real window in the middle of a game, drawn off screen.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh

ensure_packages $BUILD_PACKAGES fonts-liberation
if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBRINDLOW_TESTS=OFF >/dev/null
fi
cmake --build build --target brindlow_screenshot -j"$(nproc)" >/dev/null
mkdir -p docs
build/tools/brindlow_screenshot docs/screenshot.png
echo "wrote docs/screenshot.png"
