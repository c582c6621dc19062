// SPDX-License-Identifier: GPL-3.0-or-later
// Orvanta keeps its texts as UTF-8 in std::string; Qt shows QString. The one
// conversion between them, for every Qt part.
#pragma once

#include <QString>
#include <string_view>

namespace orvanta::common {

inline QString qs(std::string_view utf8Text) {
    return QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()));
}

}  // namespace orvanta::common
