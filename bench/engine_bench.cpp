// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the engine's work: the ten times of one day and of a year, as the
// scheduler and the yearly timetable compute them; the religious days of a
// year; one geomagnetic synthesis. With libitl installed, its six times of
// one day are measured in the same run for comparison.
#include <benchmark/benchmark.h>

#include "engine/engine.h"

#ifdef ORVANTA_HAVE_LIBITL
#include <itl/prayer.h>
#endif

namespace {

using orvanta::engine::Engine;

// Steps through the days of 2014 so that each iteration computes a new day.
struct DayCycle {
    std::int16_t n = 0;
    void next(Engine& e) {
        n = static_cast<std::int16_t>(n % 365 + 1);
        const orvanta::engine::Date date = orvanta::engine::dateOfDayOfYear(2014, n);
        e.setDate(date.day, date.month, 2014);
    }
};

void BM_EngineOneDay(benchmark::State& state) {
    Engine e;
    e.setPlace(4101, 2897, 180);
    DayCycle cycle;
    for (auto _ : state) {
        cycle.next(e);
        benchmark::DoNotOptimize(e.computeDay());
    }
}
BENCHMARK(BM_EngineOneDay);

// Runs work(engine) for each day of 2014 at İstanbul, once per iteration.
template <typename Work>
void eachDayOfAYear(benchmark::State& state, Work work) {
    Engine e;
    e.setPlace(4101, 2897, 180);
    DayCycle cycle;
    for (auto _ : state) {
        for (int i = 0; i < 365; ++i) {
            cycle.next(e);
            work(e);
        }
    }
    state.SetItemsProcessed(state.iterations() * 365);
}

void BM_EngineOneYear(benchmark::State& state) {
    eachDayOfAYear(state, [](Engine& e) { benchmark::DoNotOptimize(e.computeDay()); });
}
BENCHMARK(BM_EngineOneYear)->Unit(benchmark::kMicrosecond);

// The value function over the same year: a fresh engine for every day.
void BM_ComputeDayOneYear(benchmark::State& state) {
    const orvanta::engine::CalculationParameters parameters;
    for (auto _ : state) {
        for (std::int16_t n = 1; n <= 365; ++n) {
            benchmark::DoNotOptimize(
                orvanta::engine::computeDay({4101, 2897, 180}, orvanta::engine::dateOfDayOfYear(2014, n), parameters));
        }
    }
    state.SetItemsProcessed(state.iterations() * 365);
}
BENCHMARK(BM_ComputeDayOneYear)->Unit(benchmark::kMicrosecond);

// The Diyanet choice's cost per day against the modes it stands beside:
// state.range(0) 0 İstanbul in mode 4 (the preset, below 45°), 1 Berlin in
// mode 4, 2 Berlin by Diyanet's European rule (one double-precision pass
// from the 0h UT sun), 3 İstanbul with the Diyanet choice (the preset).
void BM_DiyanetDayAgainstModes(benchmark::State& state) {
    const bool berlin = state.range(0) == 1 || state.range(0) == 2;
    Engine e;
    e.setAnglesAndMode(-1800, -1700, 4);
    e.setTemkin({0, -6, 10, 0, 3, 4, 4, 0, 6, 0});
    e.parameters.diyanetMethod = state.range(0) >= 2;
    e.setPlace(berlin ? 5252 : 4101, berlin ? 1340 : 2897, berlin ? 120 : 180);
    DayCycle cycle;
    for (auto _ : state) {
        cycle.next(e);
        benchmark::DoNotOptimize(e.computeDay());
    }
}
BENCHMARK(BM_DiyanetDayAgainstModes)->DenseRange(0, 3);

// The religious-days report's work: religiousDays for every day of 2014.
void BM_ReligiousDaysOfAYear(benchmark::State& state) {
    eachDayOfAYear(state, [](Engine& e) { benchmark::DoNotOptimize(e.religiousDays()); });
}
BENCHMARK(BM_ReligiousDaysOfAYear)->Unit(benchmark::kMillisecond);

// The same with Diyanet's world calendar. Its month starts are kept once
// found, so each iteration takes a year not asked before (1901 on): the
// cost of finding thirteen month starts over the globe, and the days.
void BM_ReligiousDaysOfAYearWorldCalendar(benchmark::State& state) {
    Engine e;
    e.parameters.diyanetMethod = true;
    e.setPlace(4101, 2897, 180);
    std::int16_t year = 1900;
    for (auto _ : state) {
        ++year;
        for (std::int16_t n = 1; n <= 365; ++n) {
            e.setDate(n, 1, year);
            benchmark::DoNotOptimize(e.religiousDays());
        }
    }
}
BENCHMARK(BM_ReligiousDaysOfAYearWorldCalendar)->Iterations(150)->Unit(benchmark::kMillisecond);

// One World Magnetic Model synthesis (degree and order 12).
void BM_GeomagneticSynthesis(benchmark::State& state) {
    Engine e;
    e.setPlace(4101, 2897, 180);
    e.setDate(1, 1, 2014);
    for (auto _ : state) {
        e.setDate(1, 1, 2014);  // throws the field's cache away
        benchmark::DoNotOptimize(e.magneticDeclinationTenths(0));
    }
}
BENCHMARK(BM_GeomagneticSynthesis);

#ifdef ORVANTA_HAVE_LIBITL
void BM_LibitlOneDay(benchmark::State& state) {
    Location place{};
    place.degreeLat = 41.01;
    place.degreeLong = 28.97;
    place.gmtDiff = 3;
    place.seaLevel = 0;
    place.pressure = 1010;
    place.temperature = 10;
    Method method{};
    getMethod(5, &method);  // Muslim World League: 18° / 17°
    Date date{1, 1, 2014};
    Prayer times[6];
    int n = 0;
    for (auto _ : state) {
        n = n % 28 + 1;
        date.day = n;
        getPrayerTimes(&place, &method, &date, times);
        benchmark::DoNotOptimize(times);
    }
}
BENCHMARK(BM_LibitlOneDay);
#endif

}  // namespace
