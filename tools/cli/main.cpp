#include <iostream>
#include <string>
#include <vector>

#include "tools/cli/cli.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = orvanta::cli::runCli(args, std::cout, std::cerr);
    std::cout.flush();
    return std::cout.good() ? status : 1;
}
