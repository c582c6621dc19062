// SPDX-License-Identifier: GPL-3.0-or-later
// Reads 16-bit little-endian mono samples from standard input (parec --raw)
// until the end of input and prints, as shell assignments, when the first
// audible sample arrived (CLOCK_MONOTONIC seconds, the clock the program's
// sound log uses) and how many audible samples came in all.
// Usage: parec ... | first_sound RATE
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Audible: above 1/32 of full scale, about -30 dBFS; a null sink's monitor
// gives exact zeros while nothing plays.
constexpr int kAudibleLevel = 1024;

double monotonicSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

int main(int argc, char** argv) {
    const double rate = argc > 1 ? std::atof(argv[1]) : 22050.0;
    std::array<std::int16_t, 256> samples{};
    long audible = 0;
    double firstAudible = -1;
    for (;;) {
        const ssize_t bytes = ::read(STDIN_FILENO, samples.data(), sizeof samples);
        if (bytes <= 0) break;
        const double arrived = monotonicSeconds();
        const auto count = static_cast<std::size_t>(bytes) / sizeof(std::int16_t);
        for (std::size_t i = 0; i < count; ++i) {
            if (std::abs(samples[i]) < kAudibleLevel) continue;
            // The chunk arrived with its last sample: an earlier sample
            // sounded that many sample periods before.
            if (audible++ == 0) firstAudible = arrived - static_cast<double>(count - 1 - i) / rate;
        }
    }
    std::printf("audible_samples=%ld\nfirst_audible=%.3f\n", audible, firstAudible);
    return 0;
}
