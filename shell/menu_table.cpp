// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/menu_table.h"

#include <charconv>
#include <map>
#include <set>

namespace orvanta::shell {

namespace {

std::vector<std::string_view> splitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

std::optional<MenuRow> parseRow(std::string_view line) {
    const std::vector<std::string_view> fields = splitTabs(line);
    if (fields.size() != 5) return std::nullopt;
    MenuRow row;
    row.submenu = fields[2];
    if (fields[0] == "-") {
        return fields[1].empty() && fields[3].empty() && fields[4].empty() ? std::optional(row) : std::nullopt;
    }
    const auto [end, error] = std::from_chars(fields[0].data(), fields[0].data() + fields[0].size(), row.id);
    row.command = commandNamed(fields[1]);
    if (error != std::errc{} || end != fields[0].data() + fields[0].size() || row.id <= 0 || !row.command ||
        fields[3].empty()) {
        return std::nullopt;
    }
    row.text = fields[3];
    row.checkGroup = fields[4];
    return row;
}

}  // namespace

std::optional<std::vector<MenuRow>> parseMenuTable(std::string_view text, int* badLine) {
    std::vector<MenuRow> rows;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        std::optional<MenuRow> row = parseRow(line);
        if (!row) {
            if (badLine) *badLine = lineNumber;
            return std::nullopt;
        }
        rows.push_back(std::move(*row));
    }
    return rows;
}

std::string menuTableMismatch(const std::vector<MenuRow>& rows) {
    std::map<Command, int> rowsOfCommand;
    std::set<int> ids;
    std::string mismatch;
    for (const MenuRow& row : rows) {
        if (row.separator()) continue;
        ++rowsOfCommand[*row.command];
        if (!ids.insert(row.id).second) mismatch += "number " + std::to_string(row.id) + " used twice; ";
    }
    for (Command command : allCommands()) {
        const int count = rowsOfCommand[command];
        if (count != 1) mismatch += std::string(commandName(command)) + " has " + std::to_string(count) + " rows; ";
    }
    return mismatch;
}

}  // namespace orvanta::shell
