// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/serial_break_line.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

namespace orvanta::platform {

std::string serialPortDevice(int portNumber) { return "/dev/ttyS" + std::to_string(portNumber - 1); }

SerialBreakLine::~SerialBreakLine() { close(); }

bool SerialBreakLine::open(int portNumber, const std::string& devicePath) {
    close();
    if (devicePath.empty() && portNumber < 1) return false;
    const std::string device = devicePath.empty() ? serialPortDevice(portNumber) : devicePath;
    // O_NOCTTY: the port must not become the program's controlling
    // terminal; O_NONBLOCK: opening does not wait for a modem's carrier.
    descriptor_ = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor_ < 0) {
        std::cerr << "orvanta: relay port " << device << ": " << std::strerror(errno) << '\n';
        return false;
    }
    return true;
}

bool SerialBreakLine::setBreak(bool on) {
    if (descriptor_ < 0) return false;
    if (::ioctl(descriptor_, on ? TIOCSBRK : TIOCCBRK) != 0) {
        std::cerr << "orvanta: relay break " << (on ? "on" : "off") << ": " << std::strerror(errno) << '\n';
        return false;
    }
    return true;
}

void SerialBreakLine::close() {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
}

}  // namespace orvanta::platform
