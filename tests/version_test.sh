#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The version is set once, in CMake's project(); the metadata's newest release, the manual page's header and
# the Debian changelog's newest entry must all name that same version; and they name the same home page.
#
#   version_test.sh SOURCE_DIR VERSION
set -euo pipefail
source_dir=$1
version=$2

failed=0
check() {
    local what=$1 found=$2
    if [ "$found" = "$version" ]; then
        echo "ok: $what says $found"
    else
        echo "FAIL: $what says '$found', CMake's project() says '$version'" >&2
        failed=1
    fi
}

# AppStream lists the newest release first.
check "desktop/org.brindlow.Brindlow.metainfo.xml" \
    "$(grep -o '<release [^>]*version="[^"]*"' "$source_dir/desktop/org.brindlow.Brindlow.metainfo.xml" |
        head -1 | sed 's/.*version="\([^"]*\)".*/\1/')"
# .TH NAME SECTION DATE "Brindlow VERSION" MANUAL
check "docs/brindlow.6 (.TH)" \
    "$(sed -n 's/^\.TH [^ ]* [^ ]* [^ ]* "Brindlow \([^"]*\)".*/\1/p' "$source_dir/docs/brindlow.6" | head -1)"
# brindlow (VERSION-REVISION) DISTRIBUTION; urgency=...: the upstream part is all before the last hyphen.
check "debian/changelog" \
    "$(sed -n '1s/^brindlow (\(.*\)-[^-]*).*/\1/p' "$source_dir/debian/changelog")"

# The project has one home page, and every place that names one names it.
homepage=$(sed -n 's/^Homepage: //p' "$source_dir/debian/control")
[ -n "$homepage" ] || { echo "FAIL: debian/control names no Homepage" >&2; failed=1; }
for file in desktop/org.brindlow.Brindlow.metainfo.xml docs/brindlow.6; do
    if grep -qF "$homepage" "$source_dir/$file"; then
        echo "ok: $file names the home page $homepage"
    else
        echo "FAIL: $file does not name the home page $homepage of debian/control" >&2
        failed=1
    fi
done
exit "$failed"
