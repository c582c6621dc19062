// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/xdg_autostart.h"

#include <cstdlib>
#include <string>
#include <system_error>

#include "common/file_access.h"

namespace orvanta::platform {

namespace {

constexpr const char* kEntryName = "orvanta.desktop";

// A path in an Exec line: quoted, with the characters the desktop-entry
// format escapes inside quotes.
std::string quotedForExec(const std::string& path) {
    std::string quoted = "\"";
    for (const char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

XdgAutostart::XdgAutostart(const std::filesystem::path& autostartFolder, std::filesystem::path executable)
    : entry_(autostartFolder / kEntryName), executable_(std::move(executable)) {}

XdgAutostart XdgAutostart::forCurrentUser(std::filesystem::path executable) {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path config;
    if (configHome != nullptr && *configHome == '/') {
        config = configHome;
    } else {
        const char* home = std::getenv("HOME");
        config = std::filesystem::path(home != nullptr ? home : ".") / ".config";
    }
    return XdgAutostart(config / "autostart", std::move(executable));
}

bool XdgAutostart::enabled() const {
    std::error_code error;
    return std::filesystem::exists(entry_, error);
}

bool XdgAutostart::setEnabled(bool on) {
    std::error_code error;
    if (!on) {
        std::filesystem::remove(entry_, error);
        return !error;
    }
    std::filesystem::create_directories(entry_.parent_path(), error);
    const std::string entry = "[Desktop Entry]\n"
                              "Type=Application\n"
                              "Name=Orvanta\n"
                              "Comment=Namaz vakitleri saati\n"
                              "Exec=" +
                              quotedForExec(executable_.string()) +
                              "\n"
                              "Terminal=false\n"
                              "X-GNOME-Autostart-enabled=true\n";
    // Whole or not at all, and never in place of a FIFO or device.
    return !common::replaceFileContents(entry_, entry);
}

}  // namespace orvanta::platform
