// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/program_environment.h"

#include <cstdlib>
#include <system_error>

namespace orvanta::platform {

namespace {

std::optional<std::filesystem::path> environmentPath(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::filesystem::path(value);
}

}  // namespace

platform::FolderEnvironment currentFolderEnvironment() {
    platform::FolderEnvironment environment;
    environment.orvantaHome = environmentPath("ORVANTA_HOME");
    environment.xdgConfigHome = environmentPath("XDG_CONFIG_HOME");
    environment.home = environmentPath("HOME");
    std::error_code error;
    environment.executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return environment;
}

}  // namespace orvanta::platform
