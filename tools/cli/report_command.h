// SPDX-License-Identifier: GPL-3.0-or-later
// The options of orvanta-cli report, shared by the text reports and the
// PDF helper.
#pragma once

#include <span>
#include <string>

#include "engine/engine.h"
#include "settings/settings.h"
#include "tools/cli/arguments.h"

namespace orvanta::cli {

struct ReportRequest {
    std::string kind;  // monthly, yearly, religious, ramadan
    settings::Settings settings;
    platform::SystemZone zone;
    engine::Engine engine;  // at the report's first day and the place
    int year = 0;
    int month = 1;
    bool pdf = false;
    std::string out;  // the PDF's file
};

// The checked request of `report KIND --ini FILE --year Y [--month M]
// [--preset diyanet] [--format text|pdf] [--out FILE]`; UsageError else.
ReportRequest reportRequest(std::span<const std::string> args);

}  // namespace orvanta::cli
