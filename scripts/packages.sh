# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Debian packages the game needs, and a helper that installs the missing ones with apt-get.
# Sourced by the scripts beside it.

# Qt Linguist (lrelease, lupdate) makes the game's translations; gettext and po4a those of the launcher, the
# metadata and the manual page.
BUILD_PACKAGES="g++ cmake make qt6-base-dev libxcb1-dev librsvg2-bin qt6-l10n-tools qt6-tools-dev gettext po4a"
# What ./scripts/orca-speech.sh runs: unshare, mount and nsenter come with util-linux and mount; pgrep (used by
# Orca itself) with procps; gdbus with libglib2.0-bin.
ORCA_PACKAGES="util-linux mount procps python3 python3-gi gir1.2-atspi-2.0 xvfb x11-utils xdotool openbox orca
    at-spi2-core dbus dbus-x11 libglib2.0-bin"
# GNOME's Wayland session for ORCA_SESSION=gnome ./scripts/orca-speech.sh (Xwayland for Orca 48's keymap).
GNOME_PACKAGES="gnome-shell xwayland qt6-wayland"
# KDE Plasma's Wayland session for ORCA_SESSION=plasma ./scripts/orca-speech.sh: KWin alone (its Xwayland, for Orca
# 48's keymap, comes with kwin-wayland).
PLASMA_PACKAGES="kwin-wayland qt6-wayland"
TEST_PACKAGES="googletest libgtest-dev libbenchmark-dev clang-format fonts-liberation fonts-dejavu-core
    desktop-file-utils appstream xvfb xauth x11-utils xdotool imagemagick openbox weston qt6-wayland
    qt6-translations-l10n fonts-noto-cjk man-db
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

# adapt_for_release TREE: makes the unpacked source TREE the package for the Debian release this runs on.
# The source in the repository is for Debian testing and unstable. A stable release's build gets the version
# suffix ~debNNu1, so that 1.0.0-1~deb12u1 < 1.0.0-1~deb13u1 < 1.0.0-1 (testing and unstable keep the plain
# version): upgrading Debian 12 to 13 with both builds in reach upgrades the game to the Debian 13 build, and
# each release's files have names of their own. dpkg 1.22.13 and later take Priority optional and
# Rules-Requires-Root no by default, and testing's lintian calls the fields redundant; the stable releases'
# lintian still asks for them, so they are written out there. Sets build_version and release.
adapt_for_release() {
    local tree=$1 version newest commit changelog=$1/debian/changelog
    . /etc/os-release
    version=$(dpkg-parsechangelog -l "$changelog" -S Version)
    release="Debian ${VERSION_ID:-${VERSION_CODENAME:-unstable}} (${VERSION_CODENAME:-unstable})"
    build_version=$version${VERSION_ID:+~deb${VERSION_ID}u1}
    if [ "$build_version" != "$version" ]; then
        # The entry is dated by the commit it is built from (lintian wants it newer than the one it follows).
        newest=$(dpkg-parsechangelog -l "$changelog" -S Timestamp)
        commit=$(git log -1 --format=%ct 2>/dev/null || echo 0)
        {
            printf 'brindlow (%s) %s; urgency=medium\n\n  * Build for %s.\n\n' \
                "$build_version" "$VERSION_CODENAME" "$release"
            printf ' -- %s  %s\n\n' "$(dpkg-parsechangelog -l "$changelog" -S Maintainer)" \
                "$(date -u -R -d "@$((commit > newest ? commit : newest + 1))")"
            cat "$changelog"
        } >"$changelog.new"
        mv "$changelog.new" "$changelog"
    fi
    if [ -n "${VERSION_ID:-}" ]; then
        sed -i '/^Section: /a Priority: optional' "$tree/debian/control"
        sed -i '/^Homepage: /a Rules-Requires-Root: no' "$tree/debian/control"
    fi
}

