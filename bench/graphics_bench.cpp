// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures and world maps, each drawn whole (targets: each map and the
// flat earth within 15 ms at 800 x 400, the moon within 5 ms).
#include <benchmark/benchmark.h>

#include "graphics/chart_data.h"
#include "graphics/dib.h"
#include "graphics/sky_pictures.h"
#include "graphics/world_maps.h"

namespace {

using namespace orvanta::graphics;

const Dib kMoon = *readDib(moonResource());
const Dib kEarth = *readDib(earthResource());
// 16:30 at İstanbul on 7 December 2026 (the sun west of the place).
const SunMoment kSun{990, 180, 730.0f, -0.3926f, 0.87f};

void BM_Moon(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(renderMoon(kMoon, 1400, false));
}
BENCHMARK(BM_Moon)->Unit(benchmark::kMillisecond);

void BM_FlatEarth(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(renderFlatEarth(kEarth, kSun));
}
BENCHMARK(BM_FlatEarth)->Unit(benchmark::kMillisecond);

void BM_Globe(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(renderGlobe(kEarth, kSun));
}
BENCHMARK(BM_Globe)->Unit(benchmark::kMillisecond);

void BM_TimeMap(benchmark::State& state) {
    TimeMapPainter painter(800, 400, kSun, -17.5);
    for (auto _ : state) benchmark::DoNotOptimize(renderTimeMap(kEarth, painter, 4101, 2897));
}
BENCHMARK(BM_TimeMap)->Unit(benchmark::kMillisecond);

void BM_QiblaMap(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(renderQiblaMap(kEarth, 4101, 2897));
}
BENCHMARK(BM_QiblaMap)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// "Yörüngeler": the moon and the sun at each of the day's 1440 minutes
// (target: within 50 ms).
void BM_DayPaths(benchmark::State& state) {
    orvanta::engine::Engine engine;
    engine.setPlace(4101, 2897, 180);
    engine.setDate(7, 12, 2026);
    for (auto _ : state) benchmark::DoNotOptimize(dayPaths(engine));
}
BENCHMARK(BM_DayPaths)->Unit(benchmark::kMillisecond);

}  // namespace
