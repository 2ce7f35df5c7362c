#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what the tests need, checks the formatting, builds with warnings as errors and runs every test;
# then builds again with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test once more.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh

ensure_packages $BUILD_PACKAGES $TEST_PACKAGES

echo "== formatting"
git ls-files -co --exclude-standard -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBRINDLOW_WERROR=ON -DBRINDLOW_TESTS=ON -DBRINDLOW_BENCHMARKS=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure --timeout 120 -j"$jobs"

echo "== build and test with sanitizers"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINDLOW_WERROR=ON -DBRINDLOW_SANITIZE=ON \
    -DBRINDLOW_TESTS=ON
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure --timeout 120 -j"$jobs"
