// SPDX-License-Identifier: GPL-3.0-or-later
// The relay's serial port on Linux: port N is /dev/ttyS{N-1}; a USB adapter
// is named by its device path (/dev/ttyUSB0). TIOCSBRK sets the break
// state, TIOCCBRK clears it; both return at once (unlike tcsendbreak,
// which holds the line for a fixed time).
#pragma once

#include <string>

#include "platform/serial_break.h"

namespace orvanta::platform {

// "/dev/ttyS{N-1}" for port number N >= 1.
std::string serialPortDevice(int portNumber);

class SerialBreakLine : public SerialBreak {
public:
    SerialBreakLine() = default;
    SerialBreakLine(const SerialBreakLine&) = delete;
    SerialBreakLine& operator=(const SerialBreakLine&) = delete;
    ~SerialBreakLine() override;

    bool open(int portNumber, const std::string& devicePath) override;
    bool setBreak(bool on) override;
    void close() override;

private:
    int descriptor_ = -1;
};

}  // namespace orvanta::platform
