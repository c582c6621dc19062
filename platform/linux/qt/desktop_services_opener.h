// SPDX-License-Identifier: GPL-3.0-or-later
// Opens files and addresses through the desktop (xdg-open behind
// QDesktopServices).
#pragma once

#include "platform/desktop_opener.h"

namespace orvanta::platform {

class DesktopServicesOpener : public DesktopOpener {
public:
    bool open(const std::string& target) override;
};

}  // namespace orvanta::platform
