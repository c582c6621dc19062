// SPDX-License-Identifier: GPL-3.0-or-later
// The place finder's work: reading the shipped place database into the
// searchable list (once, when the finder opens: it must stay well under
// 100 ms) and filtering it for a typed query (each keystroke), by a
// beginning, by a Turkish name found among the other names, and by two
// words (a name and its region).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

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

// A place file without line feeds (a hostile or broken file): every read of
// the 255-byte line buffer once looked for a line feed to the file's end,
// quadratic in its size. The time per byte must stay flat across sizes.
void BM_LastRowOfFileWithoutLineFeeds(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(state.range(0));
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "orvanta-bench-no-feeds.csv";
    {
        std::ofstream out(file, std::ios::binary);
        const std::string block(1 << 16, 'x');
        for (std::size_t written = 0; written < bytes; written += block.size()) out << block;
    }
    orvanta::settings::Settings settings;
    settings.placeRow = orvanta::settings::kLastPlaceRow;
    for (auto _ : state) benchmark::DoNotOptimize(orvanta::settings::loadPlaceRow(file, settings));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    std::filesystem::remove(file);
}
BENCHMARK(BM_LastRowOfFileWithoutLineFeeds)->RangeMultiplier(4)->Range(1 << 20, 1 << 24)->Unit(benchmark::kMillisecond);
