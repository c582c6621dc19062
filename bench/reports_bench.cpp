// SPDX-License-Identifier: GPL-3.0-or-later
// The reports end to end: computed, written to a file and handed over.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "reports/reports.h"

namespace {

using namespace orvanta;

class NoViewer : public reports::ReportViewer {
public:
    void open(const std::filesystem::path&) override {}
};

settings::Settings istanbul() {
    settings::Settings s;
    s.latitude = 4101;
    s.longitude = 2897;
    s.timeZoneMinutes = 120;
    s.useSystemDaylightSaving = true;
    s.placeName = "İstanbul";
    s.countryName = "Türkiye";
    return s;
}

const std::filesystem::path& reportFile() {
    static const std::filesystem::path file = std::filesystem::temp_directory_path() / "orvanta-bench-report.txt";
    return file;
}

// state.range(0): the month of a monthly timetable, 0 for the whole year.
void BM_Timetable(benchmark::State& state) {
    engine::Engine engine;
    engine.setPlace(4101, 2897, 180);
    NoViewer viewer;
    const settings::Settings settings = istanbul();
    const int month = static_cast<int>(state.range(0));
    const auto span = month == 0 ? reports::TimetableSpan::Year : reports::TimetableSpan::Month;
    for (auto _ : state) {
        auto failure = reports::writeTimetableReport(engine, settings, {}, 2026, month == 0 ? 1 : month, span,
                                                     reportFile(), viewer);
        if (failure) state.SkipWithError("not written");
    }
}
BENCHMARK(BM_Timetable)->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond);

// state.range(0) 1: with Diyanet's world calendar (its month starts of
// 2026 found in the first iteration and kept).
void BM_ReligiousDaysReport(benchmark::State& state) {
    engine::Engine engine;
    engine.parameters.diyanetMethod = state.range(0) == 1;
    engine.setPlace(4101, 2897, 180);
    NoViewer viewer;
    for (auto _ : state) {
        auto failure = reports::writeReligiousDaysReport(engine, 2026, reportFile(), viewer);
        if (failure) state.SkipWithError("not written");
    }
}
BENCHMARK(BM_ReligiousDaysReport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
