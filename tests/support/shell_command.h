// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a command line through the shell: its exit status and standard output.
#pragma once

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace orvanta::test {

struct ShellRun {
    int status = -1;
    std::string out;
};

inline ShellRun runShell(const std::string& command) {
    ShellRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) run.out += buffer;
    run.status = WEXITSTATUS(::pclose(pipe));
    return run;
}

}  // namespace orvanta::test
