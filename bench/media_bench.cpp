// Wrapping a 50 MB MP3 file as WAV, end to end (open, header, copy, close).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "media/mp3_to_wav.h"

namespace {

void BM_Wrap50MegabyteMp3(benchmark::State& state) {
    constexpr std::size_t kSourceBytes = 50u * 1000u * 1000u;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "orvanta-media-bench";
    std::filesystem::create_directories(folder);
    const auto source = folder / "big.mp3";
    const auto destination = folder / "big.wav";
    {
        std::string bytes(kSourceBytes, '\x55');
        bytes[0] = '\xFF';
        bytes[1] = '\xFB';
        bytes[2] = '\x90';
        bytes[3] = '\x44';
        std::ofstream(source, std::ios::binary) << bytes;
    }
    for (auto _ : state) {
        const auto failure = orvanta::media::wrapMp3AsWav(source, destination);
        if (failure) state.SkipWithError(failure->caption.c_str());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSourceBytes));
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_Wrap50MegabyteMp3)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
