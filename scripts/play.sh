#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what the game needs, builds it and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "brindlow: no display to show the game on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    exit 1
fi

# In a Wayland session the game runs as a Wayland client, which needs Qt's Wayland platform.
session_packages=()
if [ -n "${WAYLAND_DISPLAY:-}" ] || [ "${XDG_SESSION_TYPE:-}" = wayland ]; then
    session_packages=(qt6-wayland)
fi
ensure_packages $BUILD_PACKAGES $PLAY_PACKAGES "${session_packages[@]}"
if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBRINDLOW_TESTS=OFF >/dev/null
fi
cmake --build build --target brindlow -j"$(nproc)" >/dev/null
exec build/brindlow
