// SPDX-License-Identifier: GPL-3.0-or-later
// What decides where the program keeps its files, as the process's
// environment gives it.
#pragma once

#include <filesystem>
#include <optional>

namespace orvanta::platform {

// What the choice of the program folder depends on, read from the
// environment by the caller.
struct FolderEnvironment {
    std::optional<std::filesystem::path> orvantaHome;    // $ORVANTA_HOME
    std::filesystem::path executable;                    // the running program
    std::optional<std::filesystem::path> xdgConfigHome;  // $XDG_CONFIG_HOME
    std::optional<std::filesystem::path> home;           // $HOME
};

}  // namespace orvanta::platform
