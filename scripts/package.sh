#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package for the Debian release it runs on, checks it with lintian (any error or warning
# fails) and leaves it in dist/, with dist/brindlow.deb naming it on every release.
#
# dpkg-buildpackage writes its results beside the source tree, and the parent of a clone may not be writable
# (in CI, for one); so the package is built from a copy of the work tree in a scratch directory, which also
# keeps the work tree free of debian/ build leftovers.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh

ensure_packages $BUILD_PACKAGES $PACKAGE_PACKAGES
# Catches a Build-Depends in debian/control that the lists above lack.
dpkg-checkbuilddeps

version=$(dpkg-parsechangelog -S Version)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
tree="$scratch/brindlow-${version%-*}"
mkdir "$tree"
# The files git knows of (tracked, or new and not ignored) as they are in the work tree; a plain copy of
# everything but the build trees when this is no git checkout.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' file; do
            [ -e "$file" ] && printf '%s\0' "$file"
        done |
        tar --null --files-from=- -cf - | tar -xf - -C "$tree"
else
    tar --exclude='./build*' --exclude=./dist -cf - . | tar -xf - -C "$tree"
fi

adapt_for_release "$tree"

# blhc reads the build log for compiler and linker calls that lost Debian's hardening flags.
(cd "$tree" && dpkg-buildpackage -us -uc -b) 2>&1 | tee "$scratch/build.log"
echo "== blhc"
blhc "$scratch/build.log"

# dist/ keeps the builds for other releases beside this one.
mkdir -p dist
rm -f dist/brindlow*_"$build_version"_* "dist/build_$build_version.log"
mv "$scratch"/*.deb "$scratch"/*.buildinfo "$scratch"/*.changes dist/
mv "$scratch/build.log" "dist/build_$build_version.log"
echo "== lintian"
lintian --info --fail-on error,warning "dist/brindlow_${build_version}_$(dpkg --print-architecture).changes"
# dist/brindlow.deb is the package just built, whatever the release calls it: one name for the install command.
ln -sf "brindlow_${build_version}_$(dpkg --print-architecture).deb" dist/brindlow.deb
echo "Built for $release:"
ls -l dist/brindlow*_"$build_version"_*.deb dist/brindlow.deb
