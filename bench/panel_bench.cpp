// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's windows: one refill of the open "Vakitler" panel
// (the work each scheduler pass adds while it is open), and the place
// finder opening and filtering.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "settings/place_database.h"
#include "settings/qt/place_finder.h"
#include "shell/qt/vakit_panel.h"

namespace {

void BM_VakitPanelRefill(benchmark::State& state) {
    orvanta::engine::Engine engine;
    engine.setPlace(4101, 2897, 180);
    engine.setDate(29, 4, 2014);
    orvanta::settings::Settings settings;
    int minute = 0;
    orvanta::shell::VakitPanel panel([&] {
        // A new minute each time, so the moon and sun are computed afresh.
        engine.setTimeOfDay(9, static_cast<std::int16_t>(minute++ % 60));
        return orvanta::shell::panelTexts(engine, settings, orvanta::engine::VakitTimes{}, {2014, 4, 29, 9, 3});
    });
    panel.show();
    for (auto _ : state) panel.refill();
}
BENCHMARK(BM_VakitPanelRefill)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

// "Listeyi Aç": the shipped place list read, the finder built and shown
// with every place (target: under 100 ms).
void BM_PlaceFinderOpens(benchmark::State& state) {
    for (auto _ : state) {
        orvanta::settings::PlaceFinder finder(orvanta::settings::readPlaceList(ORVANTA_PLACE_DATABASE));
        finder.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(finder.shownCount());
    }
}
BENCHMARK(BM_PlaceFinderOpens)->Unit(benchmark::kMillisecond);

// One letter typed into the finder: the list filtered and shown again.
void BM_PlaceFinderFilters(benchmark::State& state) {
    orvanta::settings::PlaceFinder finder(orvanta::settings::readPlaceList(ORVANTA_PLACE_DATABASE));
    finder.show();
    const QString queries[] = {QStringLiteral("i"), QStringLiteral("is"), QStringLiteral("ist")};
    int next = 0;
    for (auto _ : state) {
        finder.search(queries[next++ % 3]);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_PlaceFinderFilters)->Unit(benchmark::kMillisecond);

}  // namespace
