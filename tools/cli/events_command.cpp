// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-cli events: one day of the scheduler, minute by minute.
#include <ostream>

#include "platform/linux/system_zone.h"
#include "settings/settings.h"
#include "shell/event_log.h"
#include "shell/notice_memory.h"
#include "shell/simulated_clock.h"
#include "tools/cli/arguments.h"
#include "tools/cli/cli.h"

namespace orvanta::cli {

namespace {


constexpr std::int64_t kSecondsPerDay = 86400;

}  // namespace

int runEvents(std::span<const std::string> args, std::ostream& out) {
    const Options options(args, {"ini", "date", "preset"});
    const auto ini = iniSettings(options);
    if (!ini) throw UsageError("--ini: missing option");
    const CivilDate date = options.date("date");

    // The settings as the program loads them; the file is only read.
    settings::Settings loaded = withPreset(options, *ini);
    engine::Engine engine = engineFor(loaded);

    const shell::ClockTime midnight = shell::clockTimeAt(date.year, date.month, date.day);
    // The zone of the day's noon holds for the whole day.
    shell::SimulatedClock clock(midnight, platform::systemZoneAt(localNoon(date)));
    shell::EventLog log([&clock] { return clock.minuteOfDay(); });
    log.ikindiAtAsrSani = loaded.ikindiAtAsrSani;
    shell::InMemoryNoticeMemory memory;
    shell::Scheduler scheduler(engine, loaded, clock, log, memory);
    scheduler.onCalculationChanged();
    loaded.ezanSoundOn = true;
    loaded.wakeOn = true;

    shell::runSeconds(scheduler, clock, kSecondsPerDay);
    for (const std::string& line : log.eventLines()) out << line << '\n';
    return kExitOk;
}

}  // namespace orvanta::cli
