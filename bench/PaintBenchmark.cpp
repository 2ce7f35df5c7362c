// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long one full paint of the window's client area takes: background, 42 circles and the status line.
#include "platform/ScriptedPlatform.h"
#include "window/FormWindow.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void BM_PaintClientArea(benchmark::State& state)
{
    ScriptedPlatform platform;
    platform.names = {QStringLiteral("Ann"), QStringLiteral("Bob")};
    FormWindow window(platform);
    window.start();
    for (const int column : {0, 1, 2, 3, 3, 4, 5, 6, 6, 2, 1})
        window.form().Form_MouseDown(1, 0, 850.0f * float(column) + 425.0f, 0.0f);
    window.refresh();
    QWidget* board = window.board();
    const qreal scale = qreal(state.range(0)) / 100.0;
    QImage image((QSizeF(board->size()) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    for (auto _ : state) {
        board->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(QStringLiteral("scale %1").arg(scale).toStdString());
}
BENCHMARK(BM_PaintClientArea)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
