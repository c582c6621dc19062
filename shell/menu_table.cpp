// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/menu_table.h"

#include <charconv>

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
    if (fields.size() != 4) return std::nullopt;
    MenuRow row;
    row.submenu = fields[1];
    if (fields[0] == "-") return fields[2].empty() && fields[3].empty() ? std::optional(row) : std::nullopt;
    const auto [end, error] = std::from_chars(fields[0].data(), fields[0].data() + fields[0].size(), row.id);
    if (error != std::errc{} || end != fields[0].data() + fields[0].size() || row.id <= 0 || fields[2].empty()) {
        return std::nullopt;
    }
    row.text = fields[2];
    row.checkGroup = fields[3];
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

}  // namespace orvanta::shell
