// SPDX-License-Identifier: GPL-3.0-or-later
// The relay on a serial port: its contact follows the port's transmit line,
// which the break state holds active. Only the break state is used; the
// port's line settings (speed, parity and so on) are never touched.
#pragma once

#include <string>

namespace orvanta::platform {

class SerialBreak {
public:
    virtual ~SerialBreak() = default;
    // Closes the port held from before, then opens the relay's port:
    // devicePath as it stands when not empty, else the system's serial port
    // number portNumber (1 = the first). False when it cannot be opened.
    virtual bool open(int portNumber, const std::string& devicePath) = 0;
    // Break on (relay closed) or off (relay open) on the port held open.
    // False when none is open or the device refused (it is not a serial
    // port).
    virtual bool setBreak(bool on) = 0;
    virtual void close() = 0;
};

}  // namespace orvanta::platform
