// SPDX-License-Identifier: GPL-3.0-or-later
// Where the settings file lives.
#include "settings/program_folder.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace orvanta::settings {
namespace {

TEST(ProgramFolder, ChoiceOrder) {
    test::TempFolder folder;
    platform::FolderEnvironment environment;
    environment.executable = folder / "bin" / "orvanta";
    environment.home = "/home/ayse";
    EXPECT_EQ(programFolder(environment), "/home/ayse/.config/orvanta");
    environment.xdgConfigHome = "relative/is/ignored";
    EXPECT_EQ(programFolder(environment), "/home/ayse/.config/orvanta");
    environment.xdgConfigHome = "/xdg";
    EXPECT_EQ(programFolder(environment), "/xdg/orvanta");

    std::filesystem::create_directories(folder / "bin");
    folder.write("bin/orvanta.ini", "");
    EXPECT_EQ(programFolder(environment), folder / "bin") << "a portable copy keeps its settings beside it";
    environment.orvantaHome = "/tmp/home";
    EXPECT_EQ(programFolder(environment), "/tmp/home");
    EXPECT_EQ(companionPath("/tmp/home", "ini"), "/tmp/home/orvanta.ini");
}

TEST(ProgramFolder, CompanionFilesProgramFolderFirst) {
    test::TempFolder program, data;
    data.write("orvanta.csv", "a");
    EXPECT_EQ(findCompanionFile({program.path(), data.path()}, "orvanta.csv"), data / "orvanta.csv");
    program.write("orvanta.csv", "b");
    EXPECT_EQ(findCompanionFile({program.path(), data.path()}, "orvanta.csv"), program / "orvanta.csv");
    EXPECT_FALSE(findCompanionFile({program.path()}, "missing.txt"));
}

}  // namespace
}  // namespace orvanta::settings
