// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-timecheck: the "timecheck" command of orvanta-cli, which starts
// this program with its own command line ("timecheck" first).
#include <iostream>
#include <string>
#include <vector>

#include "tools/cli/cli.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] != "timecheck") {
        std::cerr << "orvanta-timecheck: started by orvanta-cli as 'orvanta-cli timecheck --ini FILE [--set]'\n";
        return orvanta::cli::kExitUsage;
    }
    const int status = orvanta::cli::runCommand(args, orvanta::cli::runTimecheck, std::cout, std::cerr);
    std::cout.flush();
    return std::cout.good() ? status : 1;
}
