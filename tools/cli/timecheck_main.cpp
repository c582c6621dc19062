// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-timecheck: the "timecheck" command of orvanta-cli, which starts
// this program with its own command line ("timecheck" first).
#include "tools/cli/cli.h"

int main(int argc, char** argv) {
    return orvanta::cli::runHelperProgram(argc, argv, "timecheck",
                                          "orvanta-timecheck: started by orvanta-cli as 'orvanta-cli timecheck --ini FILE [--set]'",
                                          orvanta::cli::runTimecheck);
}
