// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's file dialogs, behind an interface so tests can answer in
// the dialog's place.
#pragma once

#include <string>

namespace orvanta::platform {

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // filters: "Name (*.ext *.EXT);;Other (*)". initialPath: the file
    // proposed, or a folder to start in. Both give the chosen file's full
    // path, or an empty text when the user cancelled.
    virtual std::string fileToOpen(const std::string& title, const std::string& initialPath,
                                   const std::string& filters) = 0;
    // Asks before an existing file is chosen to be replaced.
    virtual std::string fileToSave(const std::string& title, const std::string& initialPath,
                                   const std::string& filters) = 0;
};

}  // namespace orvanta::platform
