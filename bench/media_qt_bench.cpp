// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop converter's copy of a 50 MB MP3 file on its worker thread:
// the time it takes, and the longest the event loop (tray, time strip,
// scheduler) waited meanwhile, as the counter longest_event_gap_ms.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <filesystem>
#include <optional>
#include <string>

#include "bench/large_mp3.h"
#include "media/qt/converter_dialogue.h"
#include "platform/file_chooser.h"

namespace {

void BM_DesktopWrap50MegabyteMp3(benchmark::State& state) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "orvanta-media-qt-bench";
    const auto source = orvanta::bench::writeLargeMp3(folder);
    struct NoFiles : orvanta::platform::FileChooser {
        void fileToOpen(const std::string&, const std::string&, const std::string&, Answer answer) override {
            answer({});
        }
        void fileToSave(const std::string&, const std::string&, const std::string&, Answer answer) override {
            answer({});
        }
    } noFiles;
    orvanta::media::DesktopConverterDialogs dialogs(noFiles);

    qint64 longestGapMs = 0;
    QElapsedTimer sinceLastEvent;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestGapMs = std::max(longestGapMs, sinceLastEvent.restart());
    });
    tick.start(1);
    for (auto _ : state) {
        sinceLastEvent.start();
        std::optional<std::optional<orvanta::media::Warning>> failure;
        dialogs.wrap(source, folder / "big.wav", [&](std::optional<orvanta::media::Warning> done) { failure = done; });
        while (!failure) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (*failure) state.SkipWithError("wrap failed");
    }
    state.counters["longest_event_gap_ms"] = static_cast<double>(longestGapMs);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * orvanta::bench::kLargeMp3Bytes));
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_DesktopWrap50MegabyteMp3)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
