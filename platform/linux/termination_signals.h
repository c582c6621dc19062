// SPDX-License-Identifier: GPL-3.0-or-later
// SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C, a closed terminal) turned
// into a readable descriptor, so that the event loop runs the normal
// shutdown instead of the process dying with its settings unsaved.
#pragma once

namespace orvanta::platform {

// Installs the handlers once; returns the descriptor that becomes readable
// when one of the signals arrives, or -1 when it could not be set up.
int terminationSignalDescriptor();
// Reads the pending signal numbers away.
void drainTerminationSignals();

}  // namespace orvanta::platform
