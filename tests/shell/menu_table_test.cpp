// SPDX-License-Identifier: GPL-3.0-or-later
// The menu table shipped with the program against the commands: each
// command has its one row, each number is used once, and a malformed line
// is named.
#include "shell/menu_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace orvanta::shell {
namespace {

std::string shippedTable() {
    std::ifstream file(std::string(ORVANTA_RESOURCES_DIR) + "/menu.tsv", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(MenuTable, ShippedTableHasOneRowForEachCommand) {
    int badLine = 0;
    const auto rows = parseMenuTable(shippedTable(), &badLine);
    ASSERT_TRUE(rows) << "line " << badLine;
    EXPECT_EQ(menuTableMismatch(*rows), "");
}

TEST(MenuTable, MismatchNamesTheMissingTheDoubledAndTheReusedNumber) {
    const auto rows = parseMenuTable("1\tExit\t\tÇıkış\t\n1\tAbout\t\tHakkında\t\n2\tAbout\t\tHakkında\t\n");
    ASSERT_TRUE(rows);
    const std::string mismatch = menuTableMismatch(*rows);
    EXPECT_NE(mismatch.find("number 1 used twice"), std::string::npos) << mismatch;
    EXPECT_NE(mismatch.find("About has 2 rows"), std::string::npos) << mismatch;
    EXPECT_NE(mismatch.find("VakitPanel has 0 rows"), std::string::npos) << mismatch;
    EXPECT_EQ(mismatch.find("Exit has"), std::string::npos) << mismatch;
}

TEST(MenuTable, MalformedLineIsNamed) {
    struct Case {
        const char* text;
        int badLine;  // 0: the table parses
    };
    const Case cases[] = {
        {"# comment\n1027\tVakitPanel\t\tVakitler\t\nx12\tExit\t\tBad\t\n", 3},  // not a number
        {"1027\tVakitler\n", 1},                                                // too few fields
        {"1027\tNoSuchCommand\t\tVakitler\t\n", 1},                             // no such command
        {"-\tExit\t\t\t\n", 1},                                                 // a separator names none
        {"-\t\t\t\t\n1068\tExit\t\tÇıkış\t\n", 0},
    };
    for (const Case& c : cases) {
        int badLine = 0;
        const auto rows = parseMenuTable(c.text, &badLine);
        EXPECT_EQ(rows.has_value(), c.badLine == 0) << c.text;
        if (c.badLine != 0) {
            EXPECT_EQ(badLine, c.badLine) << c.text;
        }
    }
}

TEST(CommandNames, EveryCommandIsFoundByItsName) {
    for (Command command : allCommands()) EXPECT_EQ(commandNamed(commandName(command)), command);
    EXPECT_FALSE(commandNamed("exit")) << "names are matched exactly";
}

}  // namespace
}  // namespace orvanta::shell
