// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/program_folder.h"

#include <system_error>

namespace orvanta::settings {

namespace {

bool nonEmpty(const std::optional<std::filesystem::path>& path) { return path && !path->empty(); }

}  // namespace

std::filesystem::path companionPath(const std::filesystem::path& folder, std::string_view extension) {
    return folder / (std::string(kBaseName) + "." + std::string(extension));
}

std::filesystem::path programFolder(const platform::FolderEnvironment& environment) {
    if (nonEmpty(environment.orvantaHome)) return *environment.orvantaHome;
    std::filesystem::path executableFolder = environment.executable.parent_path();
    std::error_code error;
    if (!executableFolder.empty() && std::filesystem::is_regular_file(companionPath(executableFolder, "ini"), error)) {
        return executableFolder;
    }
    if (nonEmpty(environment.xdgConfigHome) && environment.xdgConfigHome->is_absolute()) {
        return *environment.xdgConfigHome / kBaseName;
    }
    const std::filesystem::path home = nonEmpty(environment.home) ? *environment.home : std::filesystem::path(".");
    return home / ".config" / kBaseName;
}

std::optional<std::filesystem::path> findCompanionFile(const std::vector<std::filesystem::path>& folders,
                                                       std::string_view fileName) {
    for (const std::filesystem::path& folder : folders) {
        std::error_code error;
        const std::filesystem::path candidate = folder / fileName;
        if (std::filesystem::is_regular_file(candidate, error)) return candidate;
    }
    return std::nullopt;
}

}  // namespace orvanta::settings
