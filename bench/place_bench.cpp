// The place finder's work: reading the shipped place database into the
// searchable list (once, when the finder opens: it must stay well under
// 100 ms) and filtering it for a typed query (each keystroke), by a
// beginning, by a Turkish name found among the other names, and by two
// words (a name and its region).
#include <benchmark/benchmark.h>

#include "settings/place_database.h"

namespace {

void BM_ReadPlaceList(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(orvanta::settings::readPlaceList(ORVANTA_PLACE_DATABASE));
}
BENCHMARK(BM_ReadPlaceList)->Unit(benchmark::kMillisecond);

void BM_FilterPlaceList(benchmark::State& state, const char* query) {
    const auto list = orvanta::settings::readPlaceList(ORVANTA_PLACE_DATABASE);
    for (auto _ : state) benchmark::DoNotOptimize(orvanta::settings::findPlaces(list, query));
}
BENCHMARK_CAPTURE(BM_FilterPlaceList, beginning, "ist")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FilterPlaceList, turkish_name, "Münih")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FilterPlaceList, name_and_region, "alexandria virginia")->Unit(benchmark::kMicrosecond);

}  // namespace
