// SPDX-License-Identifier: GPL-3.0-or-later
// Wrapping a 50 MB MP3 file as WAV, end to end (open, header, copy, close).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/large_mp3.h"
#include "media/mp3_to_wav.h"

namespace {

void BM_Wrap50MegabyteMp3(benchmark::State& state) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "orvanta-media-bench";
    const auto source = orvanta::bench::writeLargeMp3(folder);
    const auto destination = folder / "big.wav";
    for (auto _ : state) {
        const auto failure = orvanta::media::wrapMp3AsWav(source, destination);
        if (failure) state.SkipWithError(failure->caption.c_str());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * orvanta::bench::kLargeMp3Bytes));
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_Wrap50MegabyteMp3)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
