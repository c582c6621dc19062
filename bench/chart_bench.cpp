// SPDX-License-Identifier: GPL-3.0-or-later
// A full-screen chart drawn whole at 1920 x 1080, as each minute's redraw
// does (target: within 30 ms).
#include <benchmark/benchmark.h>

#include "graphics/qt/chart_window.h"

namespace {

using namespace orvanta::graphics;

void BM_ChartRedraw(benchmark::State& state) {
    orvanta::engine::Engine engine;
    engine.setPlace(4101, 2897, 180);
    engine.setDate(7, 12, 2026);
    engine.setTimeOfDay(16, 30);
    orvanta::settings::Settings settings;
    settings.latitude = 4101;
    settings.longitude = 2897;
    std::optional<TimeMapPainter> timeMap;
    const auto chart = static_cast<Chart>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(renderChart(chart, {engine, settings, {180, false}, 2026}, QSize(1920, 1080), timeMap));
    }
}
BENCHMARK(BM_ChartRedraw)->DenseRange(static_cast<int>(Chart::Angles), static_cast<int>(Chart::YearlyTimes))->Unit(benchmark::kMillisecond);

}  // namespace
