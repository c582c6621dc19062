// SPDX-License-Identifier: GPL-3.0-or-later
// The tray popup menu as data: one row an entry, in the order shown
// (resources/menu.tsv). The desktop program builds its menu from it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::shell {

struct MenuRow {
    int id = 0;               // command id; 0 for a separator
    std::string submenu;      // "" for the top level
    std::string text;         // empty for a separator
    std::string checkGroup;   // "" plain, "toggle", or an exclusive group's name
    bool separator() const { return id == 0; }
};

// Parses the table; nothing when a line is malformed (its 1-based number
// is then stored in `badLine`).
std::optional<std::vector<MenuRow>> parseMenuTable(std::string_view text, int* badLine = nullptr);

inline constexpr std::string_view kToggleGroup = "toggle";

}  // namespace orvanta::shell
