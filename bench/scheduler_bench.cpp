// SPDX-License-Identifier: GPL-3.0-or-later
// Scheduler passes: how many a second the decision logic runs, with every
// option on, at İstanbul, effects recorded and thrown away.
#include <benchmark/benchmark.h>

#include "settings/settings.h"
#include "shell/event_log.h"
#include "shell/notice_memory.h"
#include "shell/simulated_clock.h"

namespace {

using namespace orvanta;

settings::Settings everythingOn() {
    settings::Settings s;
    s.latitude = 4101;
    s.longitude = 2897;
    s.timeZoneMinutes = 180;
    s.reminderOn = s.salaBeforeEnd = s.cumaSala = s.sahurSala = s.remainingToAnyTime = true;
    s.wakeOn = true;
    return s;
}

// One pass per minute of the clock; a new day every 1440 passes recomputes
// the ten times, as the running program does.
void BM_SchedulerPass(benchmark::State& state) {
    engine::Engine engine;
    const settings::Settings settings = everythingOn();
    shell::SimulatedClock clock(shell::clockTimeAt(2026, 1, 1), {180, false});
    shell::EventLog log([&clock] { return clock.minuteOfDay(); });
    shell::InMemoryNoticeMemory memory;
    shell::Scheduler scheduler(engine, settings, clock, log, memory);
    settings::applyCalculationParameters(settings, engine);
    scheduler.onCalculationChanged();
    for (auto _ : state) {
        scheduler.runPass();
        clock.advanceSeconds(60);
        if (log.effects().size() > 4096) log.clear();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SchedulerPass);

}  // namespace
