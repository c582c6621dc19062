// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-report-pdf: "orvanta-cli report ... --format pdf", which
// orvanta-cli hands over to this program with its own command line.
#include <iostream>
#include <string>
#include <vector>

#include "tools/cli/cli.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] != "report") {
        std::cerr << "orvanta-report-pdf: started by orvanta-cli as 'orvanta-cli report ... --format pdf'\n";
        return orvanta::cli::kExitUsage;
    }
    const int status = orvanta::cli::runCommand(args, orvanta::cli::runReportPdf, std::cout, std::cerr);
    std::cout.flush();
    return std::cout.good() ? status : 1;
}
