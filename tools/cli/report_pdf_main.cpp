// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-report-pdf: "orvanta-cli report ... --format pdf", which
// orvanta-cli hands over to this program with its own command line.
#include "tools/cli/cli.h"

int main(int argc, char** argv) {
    return orvanta::cli::runHelperProgram(argc, argv, "report",
                                          "orvanta-report-pdf: started by orvanta-cli as 'orvanta-cli report ... --format pdf'",
                                          orvanta::cli::runReportPdf);
}
