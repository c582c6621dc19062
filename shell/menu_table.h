// SPDX-License-Identifier: GPL-3.0-or-later
// The tray popup menu as data: one row an entry, in the order shown
// (resources/menu.tsv). The desktop program builds its menu from it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/command.h"

namespace orvanta::shell {

struct MenuRow {
    int id = 0;                      // the entry's number (data); 0 for a separator
    std::optional<Command> command;  // nothing for a separator
    std::string submenu;             // "" for the top level
    std::string text;                // empty for a separator
    std::string checkGroup;          // "" plain, "toggle", or an exclusive group's name
    bool separator() const { return !command.has_value(); }
};

// Parses the table; nothing when a line is malformed or names no command
// (its 1-based number is then stored in `badLine`).
std::optional<std::vector<MenuRow>> parseMenuTable(std::string_view text, int* badLine = nullptr);

// Why the table does not fit the commands: a command with no row or with
// two, or a number used twice. Empty when every command has exactly one row
// and every number is used once.
std::string menuTableMismatch(const std::vector<MenuRow>& rows);

inline constexpr std::string_view kToggleGroup = "toggle";

}  // namespace orvanta::shell
