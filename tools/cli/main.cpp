#include <iostream>
#include <string>
#include <vector>

#include "tools/cli/cli.h"

#ifdef ORVANTA_HAVE_TIMECHECK
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {

// The time check runs in a helper program: it needs Qt Network and D-Bus,
// whose libraries would otherwise be loaded by every command (several
// milliseconds each time, more than a day's times take). The helper sits
// beside orvanta-cli in the build folder, under libexec once installed.
int runTimecheckHelper(char** argv) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    const std::filesystem::path candidates[] = {folder / "orvanta-timecheck",
                                                folder / ORVANTA_TIMECHECK_FROM_BIN};
    for (const auto& helper : candidates) {
        if (::access(helper.c_str(), X_OK) != 0) continue;
        argv[0] = const_cast<char*>(helper.c_str());
        ::execv(helper.c_str(), argv);
        std::cerr << "orvanta-cli timecheck: cannot start " << helper.string() << ": " << std::strerror(errno)
                  << '\n';
        return orvanta::cli::kExitFailure;
    }
    std::cerr << "orvanta-cli timecheck: the helper orvanta-timecheck is not installed\n";
    return orvanta::cli::kExitFailure;
}

}  // namespace
#endif

int main(int argc, char** argv) {
#ifdef ORVANTA_HAVE_TIMECHECK
    if (argc > 1 && std::string_view(argv[1]) == "timecheck") return runTimecheckHelper(argv);
#endif
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = orvanta::cli::runCli(args, std::cout, std::cerr);
    std::cout.flush();
    return std::cout.good() ? status : 1;
}
