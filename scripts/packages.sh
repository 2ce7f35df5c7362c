# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Debian packages the game needs, and a helper that installs the missing ones with apt-get.
# Sourced by the scripts beside it.

BUILD_PACKAGES="g++ cmake make qt6-base-dev libxcb1-dev librsvg2-bin"
# What ./scripts/orca-speech.sh runs: unshare, mount and nsenter come with util-linux and mount; pgrep (used by
# Orca itself) with procps; gdbus with libglib2.0-bin.
ORCA_PACKAGES="util-linux mount procps python3 python3-gi gir1.2-atspi-2.0 xvfb x11-utils xdotool openbox orca
    at-spi2-core dbus dbus-x11 libglib2.0-bin"
TEST_PACKAGES="googletest libgtest-dev libbenchmark-dev clang-format fonts-liberation fonts-dejavu-core
    desktop-file-utils appstream xvfb xauth x11-utils xdotool imagemagick openbox weston qt6-wayland
    $ORCA_PACKAGES"
PLAY_PACKAGES="fonts-liberation fonts-dejavu-core"
# What ./scripts/package.sh needs besides BUILD_PACKAGES (which cover debian/control's Build-Depends).
PACKAGE_PACKAGES="build-essential dpkg-dev debhelper fakeroot lintian blhc"

# ensure_packages PKG...: installs those not yet installed, as root or through sudo.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "Missing packages: ${missing[*]}. Install them as root (apt-get install ${missing[*]})." >&2
            return 1
        fi
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
