// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/shell_services.h"

#include "settings/program_folder.h"

namespace orvanta::shell {

std::optional<std::filesystem::path> ShellFolders::find(const std::filesystem::path& name) const {
    if (name.is_absolute()) return name;
    std::vector<std::filesystem::path> folders{programFolder};
    folders.insert(folders.end(), dataFolders.begin(), dataFolders.end());
    return settings::findCompanionFile(folders, name.string());
}

}  // namespace orvanta::shell
