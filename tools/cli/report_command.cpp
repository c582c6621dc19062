// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-cli report: the timetables and the religious days as the program
// writes them, on standard output; the printable imsakiye as PDF (through
// the helper program orvanta-report-pdf, see report_pdf_command.cpp).
#include "tools/cli/report_command.h"

#include <ostream>

#include "platform/linux/system_zone.h"
#include "reports/reports.h"
#include "tools/cli/cli.h"

namespace orvanta::cli {

namespace {

constexpr const char* kKinds = "monthly, yearly, religious or ramadan";

}  // namespace

ReportRequest reportRequest(std::span<const std::string> args) {
    if (args.empty()) throw UsageError(std::string("expects ") + kKinds);
    ReportRequest request;
    request.kind = args[0];
    if (request.kind != "monthly" && request.kind != "yearly" && request.kind != "religious" &&
        request.kind != "ramadan") {
        throw UsageError(echoed(request.kind) + " is not " + kKinds);
    }
    const bool monthly = request.kind == "monthly";
    std::vector<std::string_view> known{"ini", "year", "preset", "format", "out"};
    if (monthly) known.push_back("month");
    const Options options(args.subspan(1), known);
    const auto fromFile = iniSettings(options);
    if (!fromFile) throw UsageError("--ini: missing option");
    request.settings = withPreset(options, *fromFile);
    request.year = options.integer("year", 1901, 2099);
    request.month = monthly ? options.integer("month", 1, 12) : 1;
    const std::string format = options.has("format") ? options.text("format") : "text";
    if (format != "text" && format != "pdf") throw UsageError("--format: " + echoed(format) + " is not text or pdf");
    request.pdf = format == "pdf";
    if (request.pdf && request.kind == "religious") throw UsageError("--format: the religious days are text only");
    if (!request.pdf && request.kind == "ramadan") throw UsageError("--format: the Ramadan imsakiye is pdf only");
    if (request.pdf) request.out = options.text("out");
    if (!request.pdf && options.has("out")) throw UsageError("--out: only with --format pdf");

    // The engine holds the first day of the report at the place, as the
    // program's engine holds today when the user asks for a report.
    const CivilDate first{request.year, request.month, 1};
    request.zone = platform::systemZoneAt(localNoon(first));
    request.engine = engineFor(request.settings);
    request.engine.setDate(1, static_cast<std::int16_t>(request.month), static_cast<std::int16_t>(request.year));
    const settings::ClockOffset offset =
        settings::clockOffsetFor(request.settings, {request.year, request.month, 1}, request.zone);
    request.engine.setPlace(static_cast<std::int16_t>(request.settings.latitude),
                            static_cast<std::int16_t>(request.settings.longitude),
                            static_cast<std::int16_t>(offset.minutes()));
    return request;
}

int runReport(std::span<const std::string> args, std::ostream& out) {
    const ReportRequest request = reportRequest(args);
    if (request.pdf) {
        throw CommandFailure("orvanta-cli report: the PDF imsakiye needs the helper orvanta-report-pdf, "
                             "which comes with the desktop build\n");
    }
    if (request.kind == "religious") {
        out << reports::religiousDaysReport(request.engine, request.year);
    } else {
        const bool monthly = request.kind == "monthly";
        out << reports::timetableReport(request.engine, request.settings, request.zone, request.year, request.month,
                                        monthly ? reports::TimetableSpan::Month : reports::TimetableSpan::Year);
    }
    return kExitOk;
}

}  // namespace orvanta::cli
