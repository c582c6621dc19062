// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a document or an address with the program the desktop associates
// with it (a browser, a text viewer, a mail client, a music player).
#pragma once

#include <string>

namespace orvanta::platform {

class DesktopOpener {
public:
    virtual ~DesktopOpener() = default;
    // target: an absolute file path, or an address such as "https://…" or
    // "mailto:…". False when the desktop could not hand it to a program.
    virtual bool open(const std::string& target) = 0;
};

}  // namespace orvanta::platform
