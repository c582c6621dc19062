// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/cli/cli.h"

#ifdef ORVANTA_HELPER_FOLDER_FROM_BIN
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {

// The time check and the PDF imsakiye run in helper programs: they need Qt
// (Network and D-Bus, or the text layout), whose libraries would otherwise
// be loaded by every command (several milliseconds each time, more than a
// day's times take). The helpers sit beside orvanta-cli in the build
// folder, under libexec once installed.
int runHelper(const char* name, char** argv) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    const std::filesystem::path candidates[] = {folder / name, folder / ORVANTA_HELPER_FOLDER_FROM_BIN / name};
    for (const auto& helper : candidates) {
        if (::access(helper.c_str(), X_OK) != 0) continue;
        argv[0] = const_cast<char*>(helper.c_str());
        ::execv(helper.c_str(), argv);
        std::cerr << "orvanta-cli " << argv[1] << ": cannot start " << helper.string() << ": " << std::strerror(errno)
                  << '\n';
        return orvanta::cli::kExitFailure;
    }
    std::cerr << "orvanta-cli " << argv[1] << ": the helper " << name << " is not installed\n";
    return orvanta::cli::kExitFailure;
}

// "report ... --format pdf".
bool asksForPdf(int argc, char** argv) {
    if (argc < 2 || std::string_view(argv[1]) != "report") return false;
    for (int i = 2; i + 1 < argc; ++i) {
        if (std::string_view(argv[i]) == "--format" && std::string_view(argv[i + 1]) == "pdf") return true;
    }
    return false;
}

}  // namespace
#endif

int main(int argc, char** argv) {
#ifdef ORVANTA_HELPER_FOLDER_FROM_BIN
    if (argc > 1 && std::string_view(argv[1]) == "timecheck") return runHelper("orvanta-timecheck", argv);
    if (asksForPdf(argc, argv)) return runHelper("orvanta-report-pdf", argv);
#endif
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = orvanta::cli::runCli(args, std::cout, std::cerr);
    std::cout.flush();
    return std::cout.good() ? status : 1;
}
