// orvanta-cli report: the timetables and the religious days as the program
// writes them, on standard output.
#include <ostream>

#include "platform/linux/system_zone.h"
#include "reports/reports.h"
#include "tools/cli/arguments.h"
#include "tools/cli/cli.h"

namespace orvanta::cli {

int runReport(std::span<const std::string> args, std::ostream& out) {
    if (args.empty()) throw UsageError("expects monthly, yearly or religious");
    const std::string& kind = args[0];
    if (kind != "monthly" && kind != "yearly" && kind != "religious") {
        throw UsageError(echoed(kind) + " is not monthly, yearly or religious");
    }
    const bool monthly = kind == "monthly";
    const Options options(args.subspan(1), monthly ? std::vector<std::string_view>{"ini", "year", "month", "preset"}
                                                   : std::vector<std::string_view>{"ini", "year", "preset"});
    const auto fromFile = iniSettings(options);
    if (!fromFile) throw UsageError("--ini: missing option");
    const std::optional<settings::Settings> ini = withPreset(options, *fromFile);
    const int year = options.integer("year", 1901, 2099);
    const int month = monthly ? options.integer("month", 1, 12) : 1;

    // The engine holds the first day of the report at the place, as the
    // program's engine holds today when the user asks for a report.
    const CivilDate first{year, month, 1};
    const settings::SystemZone zone = platform::systemZoneAt(localNoon(first));
    engine::Engine engine = engineFor(*ini);
    engine.setDate(1, static_cast<std::int16_t>(month), static_cast<std::int16_t>(year));
    engine.setPlace(static_cast<std::int16_t>(ini->latitude), static_cast<std::int16_t>(ini->longitude),
                    static_cast<std::int16_t>(settings::clockOffsetFor(*ini, {year, month, 1}, zone).minutes()));

    if (kind == "religious") {
        out << reports::religiousDaysReport(engine, year);
    } else {
        out << reports::timetableReport(engine, *ini, zone, year, month,
                                        monthly ? reports::TimetableSpan::Month : reports::TimetableSpan::Year);
    }
    return kExitOk;
}

}  // namespace orvanta::cli
