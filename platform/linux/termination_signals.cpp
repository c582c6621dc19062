// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/termination_signals.h"

#include <csignal>
#include <fcntl.h>
#include <initializer_list>
#include <sys/socket.h>
#include <unistd.h>

namespace orvanta::platform {

namespace {

int pipeEnds[2] = {-1, -1};

extern "C" void forwardSignal(int signalNumber) {
    const char byte = static_cast<char>(signalNumber);
    // Only async-signal-safe calls here; a full pipe just drops the byte,
    // one byte is enough to wake the loop.
    [[maybe_unused]] const ssize_t ignored = ::write(pipeEnds[1], &byte, 1);
}

}  // namespace

int terminationSignalDescriptor() {
    if (pipeEnds[0] >= 0) return pipeEnds[0];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipeEnds) != 0) return -1;
    struct sigaction action {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) sigaction(signalNumber, &action, nullptr);
    return pipeEnds[0];
}

void drainTerminationSignals() {
    char buffer[16];
    while (::read(pipeEnds[0], buffer, sizeof buffer) > 0) {
    }
}

}  // namespace orvanta::platform
