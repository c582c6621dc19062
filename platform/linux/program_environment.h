// SPDX-License-Identifier: GPL-3.0-or-later
// What decides the program folder, read from this process's environment.
#pragma once

#include "platform/folder_environment.h"

namespace orvanta::platform {

// $ORVANTA_HOME, $XDG_CONFIG_HOME, $HOME and the running executable
// (/proc/self/exe).
platform::FolderEnvironment currentFolderEnvironment();

}  // namespace orvanta::platform
