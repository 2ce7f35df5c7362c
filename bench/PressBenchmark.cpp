// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long one press takes: the column choice, the drop and every end-of-click check, with no box shown.
#include "game/frmBrindlow.h"
#include "platform/ScriptedPlatform.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// A game in its middle: 20 checkers, no line, column 3 full, column 6 holding two.
//   ...X...
//   ...O...
//   O..XX..
//   XX.OX..
//   OO.OO.O
//   XX.OOXX
// No press measured here may open a box.
void midGame(ScriptedPlatform& platform, frmBrindlow& form)
{
    platform.names = {QStringLiteral("Ann"), QStringLiteral("Bob")};
    form.Form_Load();
    platform.onBox = [](const Box&) { std::abort(); };
    for (const int column : {0, 0, 5, 4, 0, 4, 4, 3, 1, 3, 4, 3, 6, 0, 3, 3, 3, 1, 1, 6})
        form.Form_MouseDown(1, 0, 850.0f * float(column) + 425.0f, 0.0f);
}

// A press where nothing falls, so every iteration sees the same board: X is given in twips.
void BM_PressThatDropsNothing(benchmark::State& state)
{
    ScriptedPlatform platform;
    frmBrindlow form(platform);
    midGame(platform, form);
    const auto x = static_cast<float>(state.range(0));
    for (auto _ : state) {
        form.Form_MouseDown(1, 0, x, 1000.0f);
        benchmark::DoNotOptimize(form.filledCount);
    }
    state.SetLabel(x < 5950.0f ? "full column" : "outside the bands");
}
BENCHMARK(BM_PressThatDropsNothing)->Arg(2975)->Arg(6000);

// A press that drops a checker; the checker is then taken back (two stores) so every iteration drops again.
void BM_PressThatDrops(benchmark::State& state)
{
    ScriptedPlatform platform;
    frmBrindlow form(platform);
    midGame(platform, form);
    for (auto _ : state) {
        form.Form_MouseDown(1, 0, 5525.0f, 1000.0f); // column 6, lands in cell 27
        form.Shape1[27].FillColor = frmBrindlow::EmptyColor;
        form.moveCount = form.moveCount - 1;
        benchmark::DoNotOptimize(form.lblturn);
    }
}
BENCHMARK(BM_PressThatDrops);

} // namespace

BENCHMARK_MAIN();
