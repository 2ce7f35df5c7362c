#!/usr/bin/env bash
# Installs what the tests need, then checks the formatting, builds with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh

ensure_packages $BUILD_PACKAGES $TEST_PACKAGES

echo "== formatting"
git ls-files -co --exclude-standard -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "== build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBRINDLOW_WERROR=ON -DBRINDLOW_TESTS=ON
cmake --build build -j"$(nproc)"

echo "== tests"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
