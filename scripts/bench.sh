#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Measures Brindlow: one press and one paint (Google Benchmark), then click-to-pixel latency and start-up to the
# first name prompt, each side by side with the toolkit's floor (a bare Qt program doing the same).
#
#   ./scripts/bench.sh              everything
#   ./scripts/bench.sh --no-startup only the press and paint benchmarks
#   BLOCKS=4 RUNS=5 ./scripts/bench.sh    start-up: alternating blocks of runs of each program
#
# The start-up is measured for the game in English and, as a program of its own name (a copy beside its
# translations), in German (LANGUAGE=de), against the same floor.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh

startup=1
[ "${1:-}" = "--no-startup" ] && startup=0

ensure_packages $BUILD_PACKAGES libbenchmark-dev fonts-liberation
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBRINDLOW_TESTS=OFF -DBRINDLOW_BENCHMARKS=ON >/dev/null
cmake --build build-bench -j"$(nproc)" >/dev/null

echo "== one press (median of 20 repetitions)"
build-bench/bench/press_benchmark --benchmark_repetitions=20 --benchmark_report_aggregates_only=true \
    --benchmark_filter=. 2>/dev/null | grep -E '_(median|stddev) '
echo "== one full paint of the client area (median of 20 repetitions)"
QT_QPA_PLATFORM=offscreen build-bench/bench/paint_benchmark --benchmark_repetitions=20 \
    --benchmark_report_aggregates_only=true 2>/dev/null | grep -E '_(median|stddev) '

[ "$startup" = 1 ] || exit 0

# Click to pixel: from an XTest press to the first damage on the board, against a bare Qt widget that fills
# one circle on a press, in alternating rounds on one private Xvfb.
latency_probe=${LATENCY_PROBE:-../shared/tools/latency-probe}
if [ -x "$latency_probe/run.sh" ]; then
    ensure_packages xvfb x11-utils xdotool imagemagick libx11-dev libxtst-dev libxdamage-dev
    echo "== click to pixel: ${LATENCY_ROUNDS:-5} alternating rounds of 14 clicks each"
    "$latency_probe/run.sh" "$PWD/build-bench/brindlow" "${LATENCY_ROUNDS:-5}" | sed -n '/^ *n timeouts/,$p'
else
    echo "== click to pixel: skipped, no latency probe at $latency_probe (set LATENCY_PROBE)"
fi

probe_source=${STARTUP_PROBE:-../shared/tools/startup-probe}
if [ ! -x "$probe_source/probe.sh" ]; then
    echo "== start-up: skipped, no start-up probe at $probe_source (set STARTUP_PROBE)"
    exit 0
fi
ensure_packages xvfb x11-utils libx11-dev libxdamage-dev
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$probe_source" "$work/probe"
chmod -R u+w "$work/probe"
"$work/probe/build-all.sh" >/dev/null

floor="$work/probe/floors/c-qt-mainwindow/build/floor-c-qt-mainwindow"
game="$PWD/build-bench/brindlow"
mkdir "$work/translated"
cp "$game" "$work/translated/brindlow-de"
cp -r build-bench/translations "$work/translated/"
translated="$work/translated/brindlow-de"
# The German title of the name prompts, from the translation the game loads.
prompt_de=$(python3 -c 'import sys, xml.etree.ElementTree as t
print(next(m.findtext("translation") for m in t.parse(sys.argv[1]).iter("message") if m.findtext("source") == "New Players"))' \
    translations/brindlow_de.ts)
raw="$work/raw.tsv"
blocks=${BLOCKS:-4}
runs=${RUNS:-5}
echo "== start-up to the first \"New Players\" prompt: $blocks alternating blocks of $runs runs each"
for _ in $(seq 1 "$blocks"); do
    LANGUAGE='' LANG=C.UTF-8 "$work/probe/probe.sh" -q -r "$runs" -o "$raw" -t "New Players" "$floor" --ask-first |
        grep machine || true
    LANGUAGE='' LANG=C.UTF-8 "$work/probe/probe.sh" -q -r "$runs" -o "$raw" -t "New Players" "$game" |
        grep machine || true
    LANGUAGE=de LANG=C.UTF-8 "$work/probe/probe.sh" -q -r "$runs" -o "$raw" -t "$prompt_de" "$translated" |
        grep machine || true
done

# values FIELD PROGRAM: FIELD over the measured runs of PROGRAM, sorted
values() {
    awk -F '\t' -v program="$2" 'index($1, program) == 1 && $2 !~ /warmup/ {print $3}' "$raw" |
        grep -o "$1=[0-9.]*" | cut -d= -f2 | sort -n
}
median() { awk '{v[NR] = $1} END {if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
ratio() { awk -v f="$1" -v g="$2" 'BEGIN {printf "%.3f", g / f}'; }
for program in "$game" "$translated"; do
    [ "$program" = "$game" ] && echo "-- the game in English" || echo "-- the game in German"
    printf '%-8s %14s %14s %7s %14s %14s %7s\n' field "floor median" "game median" ratio "floor min" "game min" ratio
    for field in map_ms cpu_ms rss_kib; do
        fm=$(values "$field" "$floor" | median)
        gm=$(values "$field" "$program" | median)
        fl=$(values "$field" "$floor" | head -1)
        gl=$(values "$field" "$program" | head -1)
        printf '%-8s %14s %14s %7s %14s %14s %7s\n' "$field" "$fm" "$gm" "$(ratio "$fm" "$gm")" "$fl" "$gl" \
            "$(ratio "$fl" "$gl")"
    done
done
