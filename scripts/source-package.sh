#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The source package a sponsor would upload, built from the committed tree (HEAD, not the work tree), and the
# checks a sponsor makes of it. On a stable release it is that release's build of the package (see
# adapt_for_release in packages.sh); on testing or unstable, the one for Debian itself.
#
#   ./scripts/source-package.sh           dist/source/: the orig tarball (the tree without debian/), the
#                                         debian tarball and the .dsc; lintian --pedantic on the source package
#   ./scripts/source-package.sh --check   the same, then, as a build daemon would: installs the Build-Depends
#                                         alone, rebuilds the binary package from the .dsc twice with a different
#                                         build path, time zone, locale, umask, user and host name and compares
#                                         the results byte for byte; lintian --pedantic on the source and binary
#                                         packages; the package's autopkgtest by autopkgtest's own runner.
#
# --check installs packages and adds a user, so run it in a throwaway system, as root:
#
#   ./scripts/fresh-debian.sh 13 ./scripts/source-package.sh --check      (or testing)
#
# Lintian fails the run on any error, warning or pedantic tag that debian/ does not override with a reason.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh

check=false
[ "${1:-}" = --check ] && check=true

# --check builds in a system that has nothing but the Build-Depends (and what the source package needs:
# dpkg-dev and git), so lintian and autopkgtest come only after the builds.
ensure_packages dpkg-dev git xz-utils
version=$(dpkg-parsechangelog -S Version)
upstream=${version%-*}
git diff --quiet HEAD -- || echo "note: the work tree has changes that are not committed; the source package is HEAD" >&2

out=dist/source
rm -rf "$out"
mkdir -p "$out"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# git dates every file by the commit and xz keeps no time, so the same commit gives the same tarball.
git archive --format=tar --prefix="brindlow-$upstream/" HEAD -- . ':(exclude)debian' |
    xz -9 --threads=1 >"$out/brindlow_$upstream.orig.tar.xz"
cp "$out/brindlow_$upstream.orig.tar.xz" "$scratch/"
tar -xJf "$out/brindlow_$upstream.orig.tar.xz" -C "$scratch"
git archive --format=tar HEAD debian | tar -xf - -C "$scratch/brindlow-$upstream"
adapt_for_release "$scratch/brindlow-$upstream"
version=$build_version
(cd "$scratch" && dpkg-source -b "brindlow-$upstream")
mv "$scratch/brindlow_$version.dsc" "$scratch/brindlow_$version.debian.tar.xz" "$out/"
dsc=$out/brindlow_$version.dsc
echo "== the source package for $release: $dsc"
if ! $check; then
    ensure_packages lintian
    echo "== lintian on the source package"
    lintian --info --pedantic --fail-on error,warning,pedantic "$dsc"
    ls -l "$out"
    exit 0
fi

[ "$(id -u)" = 0 ] || { echo "--check runs as root in a throwaway system (see above)" >&2; exit 1; }
. /etc/os-release
echo "== the Build-Depends alone, on Debian ${VERSION_ID:-$VERSION_CODENAME}"
apt-get build-dep -y -q "./$dsc" >/dev/null
id builder >/dev/null 2>&1 || useradd --create-home builder

# build DIR USER UMASK TZ LC_ALL HOST: unpacks the .dsc into DIR/brindlow-VERSION and builds the binary
# packages there, as USER.
build() {
    local dir=$1 user=$2 mask=$3 zone=$4 locale=$5 host=$6
    rm -rf "$dir"
    mkdir -p "$dir"
    cp "$out"/* "$dir/"
    chown -R "$user" "$dir"
    unshare --uts sh -c "hostname '$host' && su '$user' -s /bin/sh -c \
        \"cd '$dir' && umask $mask && dpkg-source -x brindlow_$version.dsc brindlow-$upstream >/dev/null && \
          cd brindlow-$upstream && env -i PATH=/usr/bin:/bin HOME='$dir' TZ='$zone' LC_ALL='$locale' \
          LANGUAGE='$locale' dpkg-buildpackage -us -uc -b\"" >"$dir.log" 2>&1 ||
        { tail -40 "$dir.log"; echo "FAIL: the build in $dir" >&2; exit 1; }
}
first=/build/first
second=/var/tmp/a-much-longer-build-path-for-the-second-build
echo "== first build ($first, root, umask 022, UTC, C.UTF-8)"
build "$first" root 022 UTC C.UTF-8 first-host
echo "== second build ($second, builder, umask 002, UTC-14, C)"
build "$second" builder 002 GMT-14 C second-host-with-another-name
status=0
for deb in "$first"/*.deb; do
    if cmp -s "$deb" "$second/$(basename "$deb")"; then
        echo "same: $(basename "$deb") ($(sha256sum <"$deb" | cut -c1-16))"
    else
        echo "DIFFERENT: $(basename "$deb")" >&2
        status=1
    fi
done
if [ "$status" != 0 ]; then
    ensure_packages diffoscope >/dev/null
    for deb in "$first"/*.deb; do
        diffoscope --text - "$deb" "$second/$(basename "$deb")" | head -60 || true
    done
    exit 1
fi

echo "== lintian on the source and binary packages"
ensure_packages lintian
lintian --info --pedantic --fail-on error,warning,pedantic "$dsc" "$first"/brindlow_*.changes
echo "== autopkgtest"
ensure_packages autopkgtest >/dev/null
mkdir -p dist/binary
cp "$first"/*.deb "$first"/*.changes "$first"/*.buildinfo dist/binary/
autopkgtest --no-built-binaries "$first"/brindlow_*.deb "$dsc" -- null
echo "Source package, rebuilt twice the same and tested, on Debian ${VERSION_ID:-$VERSION_CODENAME}:"
ls -l "$out" dist/binary
