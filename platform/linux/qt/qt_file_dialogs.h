// SPDX-License-Identifier: GPL-3.0-or-later
// The file dialogs through Qt: the desktop's own dialog where the platform
// theme offers one (GTK, KDE, the XDG portal), else Qt's.
#pragma once

#include "platform/file_chooser.h"

namespace orvanta::platform {

class QtFileDialogs : public FileChooser {
public:
    std::string fileToOpen(const std::string& title, const std::string& initialPath,
                           const std::string& filters) override;
    std::string fileToSave(const std::string& title, const std::string& initialPath,
                           const std::string& filters) override;
};

}  // namespace orvanta::platform
