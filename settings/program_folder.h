// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program keeps its files.
//
// The program folder holds the settings file <base>.ini, the report file,
// wall.bmp and a downloaded sala.wav; relative file names resolve there.
// Read-only companion files (place database, manual, sounds, icon) are
// looked for in the program folder first, then in the installed data folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/folder_environment.h"

namespace orvanta::settings {

// The base name that the program's companion files carry.
inline constexpr std::string_view kBaseName = "orvanta";

// $ORVANTA_HOME when set; else the executable's folder when it holds
// <base>.ini (a portable copy, e.g. on a USB stick); else $XDG_CONFIG_HOME/orvanta
// (default ~/.config/orvanta). The folder is not created here.
std::filesystem::path programFolder(const platform::FolderEnvironment& environment);

// <folder>/<base>.<extension>, e.g. the settings file with "ini".
std::filesystem::path companionPath(const std::filesystem::path& folder, std::string_view extension);

// The first of folders that holds fileName, or nothing.
std::optional<std::filesystem::path> findCompanionFile(const std::vector<std::filesystem::path>& folders,
                                                       std::string_view fileName);

}  // namespace orvanta::settings
