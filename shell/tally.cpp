// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/tally.h"

#include <limits>

namespace orvanta::shell {

std::optional<std::int32_t> addIncrement(std::int32_t value, std::int32_t increment) {
    const std::int64_t sum = std::int64_t{value} + increment;
    if (sum < std::numeric_limits<std::int32_t>::min() || sum > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(sum);
}

}  // namespace orvanta::shell
