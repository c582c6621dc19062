// SPDX-License-Identifier: GPL-3.0-or-later
// The arguments and output lines the orvanta-cli tests share.
#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace orvanta::test {

inline std::vector<std::string> istanbul(std::string date, std::vector<std::string> more = {},
                                         std::string offsetMinutes = "120") {
    std::vector<std::string> args{"times", "--lat", "41.01", "--lon", "28.97", "--offset", offsetMinutes, "--date", date};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

inline std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

}  // namespace orvanta::test
