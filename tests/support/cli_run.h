// SPDX-License-Identifier: GPL-3.0-or-later
// Runs orvanta-cli in the test's own process: status, output and errors.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "tools/cli/cli.h"

namespace orvanta::test {

struct CliRun {
    int status;
    std::string out, err;
};

inline CliRun runInProcess(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = orvanta::cli::runCli(args, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace orvanta::test
