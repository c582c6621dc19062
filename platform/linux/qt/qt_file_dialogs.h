// SPDX-License-Identifier: GPL-3.0-or-later
// The file dialogs through Qt: the desktop's own dialog where the platform
// theme offers one (GTK, KDE, the XDG portal), else Qt's. Each is a window
// of its own, modal to nothing: the tray and the other windows go on while
// it is open.
#pragma once

#include "platform/file_chooser.h"

namespace orvanta::platform {

class QtFileDialogs : public FileChooser {
public:
    void fileToOpen(const std::string& title, const std::string& initialPath, const std::string& filters,
                    Answer answer) override;
    void fileToSave(const std::string& title, const std::string& initialPath, const std::string& filters,
                    Answer answer) override;
};

}  // namespace orvanta::platform
