// The place finder's work: reading the shipped place database into the
// searchable list (once, when the finder opens) and filtering it for a
// typed query (each keystroke).
#include <benchmark/benchmark.h>

#include "settings/place_database.h"

namespace {

void BM_ReadPlaceList(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(orvanta::settings::readPlaceList(ORVANTA_PLACE_DATABASE));
}
BENCHMARK(BM_ReadPlaceList)->Unit(benchmark::kMillisecond);

void BM_FilterPlaceList(benchmark::State& state) {
    const auto list = orvanta::settings::readPlaceList(ORVANTA_PLACE_DATABASE);
    for (auto _ : state) benchmark::DoNotOptimize(orvanta::settings::findPlaces(list, "ist"));
}
BENCHMARK(BM_FilterPlaceList)->Unit(benchmark::kMicrosecond);

}  // namespace
