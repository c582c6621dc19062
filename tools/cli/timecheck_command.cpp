// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-cli timecheck: the program's time check from the command line.
#include <QCoreApplication>
#include <algorithm>
#include <memory>
#include <ostream>

#include <fmt/format.h>

#include "nettime/qt/clock_correction.h"
#include "nettime/qt/time_server_client.h"
#include "platform/linux/qt/timedated_clock.h"
#include "settings/settings_file.h"
#include "tools/cli/arguments.h"
#include "tools/cli/cli.h"

namespace orvanta::cli {

namespace {

// The exchange waits in Qt's event loop, which needs an application object.
std::unique_ptr<QCoreApplication> ensureApplication() {
    if (QCoreApplication::instance() != nullptr) return nullptr;
    static int argc = 1;
    static char name[] = "orvanta-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace

int runTimecheck(std::span<const std::string> args, std::ostream& out) {
    // --set is a flag; every other option takes a value.
    std::vector<std::string> rest(args.begin(), args.end());
    const auto flag = std::find(rest.begin(), rest.end(), "--set");
    const bool set = flag != rest.end();
    if (set) rest.erase(flag);
    const Options options(rest, {"ini"});
    const auto document = iniDocument(options);
    if (!document) throw UsageError("--ini: missing option");
    const nettime::TimeServerList servers = nettime::timeServerList(settings::readTimeServerEntries(*document));

    const auto application = ensureApplication();
    nettime::TimeServerClient client;
    const auto answer = client.ask(servers);
    if (!answer) throw CommandFailure("orvanta-cli timecheck: no time server answered\n", kExitNoAnswer);
    const std::int64_t drift = nettime::driftSeconds(answer->pcSeconds, answer->serverSeconds);
    out << fmt::format("{} {} drift={:+} s\n", answer->server.entry, answer->address.toStdString(), drift);
    if (set && !nettime::mayCorrectWithoutAsking(drift)) {
        throw CommandFailure(fmt::format("orvanta-cli timecheck: {} {} drift={:+} s is more than a day; the clock was "
                                         "not set (set it by hand if the server is right)\n",
                                         echoed(answer->server.entry), answer->address.toStdString(), drift));
    }
    if (set && drift != 0) {
        platform::TimedatedClock clock;
        const platform::ClockSetResult result = nettime::correctClockBy(clock, drift, false);
        if (!result.set) throw CommandFailure("orvanta-cli timecheck: the clock was not set: " + result.reason + "\n");
    }
    return kExitOk;
}

}  // namespace orvanta::cli
